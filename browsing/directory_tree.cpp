#include "browsing/directory_tree.h"

#include <utility>

#include "browsing/file_list_box.h"
#include "browsing/folder_listing.h"
#include "toolkit/exception.h"
#include "toolkit/file_names.h"

namespace {

// An item's lParam: whether its subfolders have been read.
constexpr LPARAM kUnread = 0;
constexpr LPARAM kRead = 1;

// Posted to the tree when a selected item waits for its subfolders.
constexpr UINT kReadAwaited = WM_APP + 1;

// A bare drive ("C:") is its root, not the drive's current folder.
std::wstring FullFolderPath(const std::wstring& path) {
  return TrimFolder(FullPath(path.size() == 2 && path[1] == L':' ? path + L"\\" : path));
}

bool IsDrivePath(const std::wstring& path) {
  const wchar_t letter = path.empty() ? L'\0' : static_cast<wchar_t>(path[0] | 0x20);
  return path.size() >= 2 && path[1] == L':' && letter >= L'a' && letter <= L'z' &&
         (path.size() == 2 || path[2] == L'\\');
}

// A share such as \\server\models lies on no drive the tree shows.
bool IsNetworkPath(const std::wstring& path) { return path.rfind(L"\\\\", 0) == 0; }

// Whether the drive's letter is defined, asked of that one letter: the set
// of all letters costs Wine a request for each of the 26, and the drive's
// type a round trip to its mount manager. A letter whose target is longer
// than the buffer is defined all the same.
bool DriveExists(const std::wstring& path) {
  if (!IsDrivePath(path)) return false;
  wchar_t target[MAX_PATH];
  return QueryDosDeviceW(path.substr(0, 2).c_str(), target, MAX_PATH) != 0 ||
         GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

}  // namespace

TRzDirectoryTree::TRzDirectoryTree(TComponent* owner, TControl* parent,
                                   const std::optional<TBounds>& bounds)
    : TControl(owner, parent, bounds,
               {WC_TREEVIEWW,
                TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
                WS_EX_STATICEDGE, 145, 97}) {
  SetColor(clWindow);
  for (const std::wstring& root : FixedDriveRoots()) AddItem(TVI_ROOT, root);
  const std::wstring start = CurrentFolder();
  if (FindRoot(start)) {
    SetDirectory(start);
  } else {
    TreeView_SelectItem(Handle(), TreeView_GetRoot(Handle()));
  }
}

std::wstring TRzDirectoryTree::Directory() const {
  const HTREEITEM selected = TreeView_GetSelection(Handle());
  return selected ? ItemPath(selected) : L"";
}

void TRzDirectoryTree::SetDirectory(const std::wstring& path) {
  if (path.empty() || IsNetworkPath(path)) return;
  const std::wstring full = FullFolderPath(path);
  if (!DriveExists(full)) throw Exception(Format(L"The %s directory does not exist", path));
  const HTREEITEM root = FindRoot(full);
  if (!root) return;
  const HTREEITEM target = DeepestExisting(root, full.size() > 3 ? full.substr(3) : L"");
  TreeView_SelectItem(Handle(), target);
  TreeView_EnsureVisible(Handle(), target);
}

void TRzDirectoryTree::SetFileList(TFileListBox* list) {
  if (fileList_) {
    fileList_->WantsSubFolders = nullptr;
    fileList_->OnSubFolders = nullptr;
  }
  fileList_ = list;
  if (!fileList_) return;
  fileList_->WantsSubFolders = [this](const std::wstring& folder) {
    const HTREEITEM selected = TreeView_GetSelection(Handle());
    return selected && !ChildrenRead(selected) && ItemPath(selected) == folder;
  };
  fileList_->OnSubFolders = [this](const std::vector<std::wstring>& names) {
    SetChildren(TreeView_GetSelection(Handle()), names);
  };
  fileList_->SetDirectory(Directory());
}

void TRzDirectoryTree::SetIndent(int indent) {
  indent_ = indent;
  TreeView_SetIndent(Handle(), Scaled(indent));
}

void TRzDirectoryTree::DpiChanged() {
  if (indent_ > 0) SetIndent(indent_);
}

void TRzDirectoryTree::ColorChanged() {
  TControl::ColorChanged();
  TreeView_SetBkColor(Handle(), ColorToRGB(ShownColor()));
}

// An item's button is asked for when it is drawn (ShowsButton), so reading
// its subfolders changes no item data the tree view would react to by
// redrawing its scroll bar at once.
HTREEITEM TRzDirectoryTree::AddItem(HTREEITEM parent, const std::wstring& name) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_PARAM;
  insert.item.pszText = const_cast<wchar_t*>(name.c_str());
  insert.item.cChildren = I_CHILDRENCALLBACK;
  insert.item.lParam = kUnread;
  return TreeView_InsertItem(Handle(), &insert);
}

// A folder shows a button until a reading finds it has no subfolders.
bool TRzDirectoryTree::ShowsButton(HTREEITEM item) const {
  return !ChildrenRead(item) || TreeView_GetChild(Handle(), item) != nullptr;
}

void TRzDirectoryTree::InvalidateRow(HTREEITEM item) {
  RECT row;
  if (TreeRow(Handle(), item, row)) InvalidateRect(Handle(), &row, TRUE);
}

bool TRzDirectoryTree::ChildrenRead(HTREEITEM item) const {
  TVITEMW state{};
  state.mask = TVIF_PARAM;
  state.hItem = item;
  TreeView_GetItem(Handle(), &state);
  return state.lParam == kRead;
}

void TRzDirectoryTree::ReadChildren(HTREEITEM item) {
  if (!ChildrenRead(item)) SetChildren(item, SubFolderNames(ItemPath(item)));
}

void TRzDirectoryTree::SetChildren(HTREEITEM item, const std::vector<std::wstring>& names) {
  for (const std::wstring& name : names) AddItem(item, name);
  TVITEMW state{};
  state.mask = TVIF_PARAM;
  state.hItem = item;
  state.lParam = kRead;
  TreeView_SetItem(Handle(), &state);
  if (names.empty()) InvalidateRow(item);
}

HTREEITEM TRzDirectoryTree::FindChild(HTREEITEM parent, const std::wstring& name) {
  HTREEITEM child = parent == TVI_ROOT ? TreeView_GetRoot(Handle())
                                       : TreeView_GetChild(Handle(), parent);
  for (; child; child = TreeView_GetNextSibling(Handle(), child)) {
    if (lstrcmpiW(ItemName(child).c_str(), name.c_str()) == 0) return child;
  }
  return nullptr;
}

HTREEITEM TRzDirectoryTree::FindRoot(const std::wstring& drive) {
  return IsDrivePath(drive) ? FindChild(TVI_ROOT, drive.substr(0, 2)) : nullptr;
}

// The child of a read item for the named folder, or nullptr when no such
// folder exists on disk. A folder made since the item was read is added; one
// deleted since stays listed until its parent is read again.
HTREEITEM TRzDirectoryTree::ChildFolder(HTREEITEM parent, const std::wstring& name) {
  if (!FolderExists(ItemPath(parent) + L"\\" + name)) return nullptr;
  if (const HTREEITEM known = FindChild(parent, name)) return known;
  const HTREEITEM child = AddItem(parent, name);
  TreeView_SortChildren(Handle(), parent, FALSE);
  InvalidateRow(parent);
  return child;
}

// Walks down the folders of rest (a path below root), reading only the
// folders along the way; stops at the last one that exists on disk, so a
// folder deleted since it was read is not selected.
HTREEITEM TRzDirectoryTree::DeepestExisting(HTREEITEM root, const std::wstring& rest) {
  HTREEITEM item = root;
  size_t start = 0;
  while (start < rest.size()) {
    size_t end = rest.find(L'\\', start);
    if (end == std::wstring::npos) end = rest.size();
    ReadChildren(item);
    const HTREEITEM child = ChildFolder(item, rest.substr(start, end - start));
    if (!child) break;
    item = child;
    start = end + 1;
  }
  return item;
}

std::wstring TRzDirectoryTree::ItemName(HTREEITEM item) const {
  wchar_t name[MAX_PATH];
  TVITEMW text{};
  text.mask = TVIF_TEXT;
  text.hItem = item;
  text.pszText = name;
  text.cchTextMax = MAX_PATH;
  return TreeView_GetItem(Handle(), &text) ? name : L"";
}

std::wstring TRzDirectoryTree::ItemPath(HTREEITEM item) const {
  std::wstring path = ItemName(item);
  for (HTREEITEM up = TreeView_GetParent(Handle(), item); up;
       up = TreeView_GetParent(Handle(), up)) {
    path = ItemName(up) + L"\\" + path;
  }
  return path;
}

// An item the selection leaves has its subfolders read, as every selected
// item has.
void TRzDirectoryTree::SelectionChanged(HTREEITEM left) {
  if (left) ReadChildren(left);
  const HTREEITEM selected = TreeView_GetSelection(Handle());
  if (!selected) return;
  const std::wstring folder = ItemPath(selected);
  EnterFolder(folder);
  AwaitChildren(selected);
  // A click's handler may point the list at the folder itself; the list
  // waits for it (see MouseDown).
  if (inMouseDown_) {
    movedByClick_ = true;
  } else if (fileList_) {
    fileList_->SetDirectory(folder);
  }
}

void TRzDirectoryTree::AwaitChildren(HTREEITEM item) {
  if (ChildrenRead(item) || awaitPosted_) return;
  awaitPosted_ = PostMessageW(Handle(), kReadAwaited, 0, 0) != FALSE;
  if (!awaitPosted_) ReadChildren(item);
}

// The bound list's due reading, of the selected folder unless a handler
// has pointed the list elsewhere, brings the subfolders; failing that the
// tree reads them.
void TRzDirectoryTree::ReadSelectedChildren() {
  awaitPosted_ = false;
  const HTREEITEM selected = TreeView_GetSelection(Handle());
  if (!selected) return;
  if (fileList_) fileList_->ReadIfDue();
  ReadChildren(selected);
}

bool TRzDirectoryTree::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg != WM_NOTIFY) return TControl::Notification(msg, wParam, lParam, result);
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  const auto* change = reinterpret_cast<const NMTREEVIEWW*>(lParam);
  result = 0;
  switch (header->code) {
    case TVN_GETDISPINFOW: {
      auto& asked = reinterpret_cast<NMTVDISPINFOW*>(lParam)->item;
      if (asked.mask & TVIF_CHILDREN) asked.cChildren = ShowsButton(asked.hItem) ? 1 : 0;
      return true;
    }
    case TVN_ITEMEXPANDINGW:
      if (change->action & TVE_EXPAND) ReadChildren(change->itemNew.hItem);
      return true;
    case TVN_SELCHANGINGW:
      if (change->action != TVC_UNKNOWN && OnChanging) OnChanging(this);
      return true;
    case TVN_SELCHANGEDW:
      SelectionChanged(change->itemOld.hItem);
      return true;
    case NM_CLICK:
      clicked_ = true;
      return true;
    case NM_CUSTOMDRAW:
      result = scrollBars_.CustomDraw(*reinterpret_cast<const NMTVCUSTOMDRAW*>(lParam));
      return true;
    default:
      return TControl::Notification(msg, wParam, lParam, result);
  }
}

// The tree view tracks a click inside its button-down handler and reports
// it before it moves the selection; the click event waits until the move is
// done, so its handler sees the clicked folder. The bound list follows a
// move by the click after the handler, unless the handler has pointed it at
// the folder already.
LRESULT TRzDirectoryTree::MouseDown(UINT msg, WPARAM wParam, LPARAM lParam) {
  clicked_ = false;
  movedByClick_ = false;
  inMouseDown_ = true;
  const LRESULT result = TControl::WndProc(msg, wParam, lParam);
  inMouseDown_ = false;
  const bool clicked = std::exchange(clicked_, false);
  const bool moved = std::exchange(movedByClick_, false);
  try {
    if (clicked && OnClick) OnClick(this);
  } catch (...) {
    if (moved) FollowSelection();
    throw;
  }
  if (moved) FollowSelection();
  return result;
}

void TRzDirectoryTree::FollowSelection() {
  if (fileList_ && fileList_->Directory() != Directory()) fileList_->SetDirectory(Directory());
}

LRESULT TRzDirectoryTree::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_LBUTTONDOWN) return MouseDown(msg, wParam, lParam);
  if (msg == WM_PAINT || msg == WM_PRINTCLIENT) {
    const LRESULT result = TControl::WndProc(msg, wParam, lParam);
    scrollBars_.Handled();
    return result;
  }
  if ((msg == WM_STYLECHANGING || msg == WM_STYLECHANGED) && scrollBars_.ChangingStyle()) return 0;
  if (msg == kReadAwaited) {
    ReadSelectedChildren();
    return 0;
  }
  // The tree view holds its background as a value: the system's colours
  // changed, it takes the colour's new value.
  if (msg == WM_SYSCOLORCHANGE) {
    const LRESULT result = TControl::WndProc(msg, wParam, lParam);
    TreeView_SetBkColor(Handle(), ColorToRGB(ShownColor()));
    return result;
  }
  return TControl::WndProc(msg, wParam, lParam);
}
