#include "browsing/file_list_box.h"

#include "browsing/folder_listing.h"

namespace {

// Posted to the list when a reading falls due.
constexpr UINT kReadDue = WM_APP + 1;

}  // namespace

TFileListBox::TFileListBox(TComponent* owner, TControl* parent,
                           const std::optional<TBounds>& bounds)
    : TFileListBox(owner, parent, bounds, 0) {}

TFileListBox::TFileListBox(TComponent* owner, TControl* parent,
                           const std::optional<TBounds>& bounds, DWORD extraStyle)
    : TListBox(owner, parent, bounds, extraStyle), directory_(CurrentFolder()) {}

void TFileListBox::SetMask(const std::wstring& mask) {
  mask_ = mask;
  MakeDue();
}

void TFileListBox::SetDirectory(const std::wstring& folder) {
  directory_ = TrimFolder(folder);
  EnterFolder(directory_);
  MakeDue();
}

void TFileListBox::SetFileName(const std::wstring& path) {
  const std::wstring trimmed = TrimFolder(path);
  if (FolderExists(trimmed)) {
    SetDirectory(trimmed);
    return;
  }
  const size_t slash = trimmed.find_last_of(L'\\');
  if (slash == std::wstring::npos) return;
  SetDirectory(trimmed.substr(0, slash));
  SetItemIndex(IndexOf(trimmed.substr(slash + 1)));
}

std::wstring TFileListBox::FileName() const {
  const int index = ItemIndex();
  return index < 0 ? L"" : directory_ + L"\\" + Item(index);
}

std::vector<std::wstring> TFileListBox::FileNames() const {
  std::vector<std::wstring> names;
  for (const int index : SelectedIndices()) names.push_back(directory_ + L"\\" + Item(index));
  return names;
}

void TFileListBox::Update() { MakeDue(); }

void TFileListBox::ReadIfDue() {
  if (due_) Read();
}

void TFileListBox::MakeDue() {
  due_ = true;
  if (!posted_) posted_ = PostMessageW(Handle(), kReadDue, 0, 0) != FALSE;
}

void TFileListBox::Read() {
  due_ = false;
  if (!WantsSubFolders || !WantsSubFolders(directory_)) {
    SetItems(MatchingFileNames(directory_, SplitMask(mask_)));
    return;
  }
  std::vector<std::wstring> folders;
  SetItems(MatchingFileNames(directory_, SplitMask(mask_), &folders));
  if (OnSubFolders) OnSubFolders(folders);
}

// A due reading is part of what the list holds, not a change made by
// whoever asks for the items.
void TFileListBox::ItemsNeeded() const {
  if (due_) const_cast<TFileListBox*>(this)->Read();
}

LRESULT TFileListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != kReadDue) return TListBox::WndProc(msg, wParam, lParam);
  posted_ = false;
  ReadIfDue();
  return 0;
}

TRzFileListBox::TRzFileListBox(TComponent* owner, TControl* parent,
                               const std::optional<TBounds>& bounds)
    : TFileListBox(owner, parent, bounds, WS_BORDER | LBS_EXTENDEDSEL) {
  SetBorder(false);
}
