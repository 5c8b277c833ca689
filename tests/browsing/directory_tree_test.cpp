#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <functional>

#include "browsing/directory_tree.h"
#include "browsing/file_list_box.h"
#include "tests/browsing/browsing_fixture.h"
#include "tests/support/window_pixels.h"
#include "toolkit/exception.h"
#include "toolkit/gdi.h"

namespace {

std::wstring ItemText(HWND tree, HTREEITEM item) {
  wchar_t text[MAX_PATH] = L"";
  TVITEMW query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = MAX_PATH;
  TreeView_GetItem(tree, &query);
  return text;
}

// The tree item of a full path, or nullptr when it is not in the tree.
HTREEITEM FindItem(HWND tree, const std::wstring& path) {
  HTREEITEM item = TreeView_GetRoot(tree);
  size_t start = 0;
  while (item) {
    size_t end = path.find(L'\\', start);
    if (end == std::wstring::npos) end = path.size();
    const std::wstring name = path.substr(start, end - start);
    while (item && !SamePath(ItemText(tree, item), name)) item = TreeView_GetNextSibling(tree, item);
    if (!item || end == path.size()) return item;
    item = TreeView_GetChild(tree, item);
    start = end + 1;
  }
  return nullptr;
}

wchar_t MissingDrive() {
  const DWORD drives = GetLogicalDrives();
  for (wchar_t letter = L'Z'; letter >= L'D'; --letter) {
    if (!(drives & (1u << (letter - L'A')))) return letter;
  }
  return 0;
}

class DirectoryTreeTest : public BrowsingTest {
 protected:
  DirectoryTreeTest() {
    MakeFolder(L"alpha\\inner");
    MakeFolder(L"beta\\hidden_until_read");
    MakeFile(L"alpha\\one.mdl");
    MakeFile(L"beta\\two.mdl");
    MakeFile(L"beta\\notes.txt");
    tree = form->Add<TRzDirectoryTree>(form.get());
    tree->SetBounds(0, 0, 400, 300);
    tree->OnChanging = [this](TComponent*) { ++changing; };
    tree->OnClick = [this](TComponent*) {
      ++clicks;
      seenAtClick = tree->Directory();
    };
  }

  HTREEITEM Item(const std::wstring& relative) { return FindItem(tree->Handle(), temp / relative); }

  bool HasButton(HTREEITEM item) {
    TVITEMW query{};
    query.mask = TVIF_CHILDREN;
    query.hItem = item;
    TreeView_GetItem(tree->Handle(), &query);
    return query.cChildren != 0;
  }

  // The item's whole row, or with textOnly its text; empty when out of view.
  RECT ItemRect(HTREEITEM item, bool textOnly) {
    // The message takes the item in the rectangle it fills.
    RECT rect{};
    std::memcpy(&rect, &item, sizeof(item));
    if (!SendMessageW(tree->Handle(), TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&rect)))
      return {};
    return rect;
  }

  void ClickOn(HTREEITEM item) {
    const RECT rect = ItemRect(item, true);
    ASSERT_LT(rect.top, rect.bottom);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageW(tree->Handle(), WM_LBUTTONUP, 0, at);
    SendMessageW(tree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PumpMessages();
  }

  TRzDirectoryTree* tree = nullptr;
  int changing = 0;
  int clicks = 0;
  std::wstring seenAtClick;
};

TEST_F(DirectoryTreeTest, ShowsOnlyFixedDrivesAndStartsAtTheCurrentDirectory) {
  int roots = 0;
  bool sawC = false;
  for (HTREEITEM root = TreeView_GetRoot(tree->Handle()); root;
       root = TreeView_GetNextSibling(tree->Handle(), root), ++roots) {
    const std::wstring name = ItemText(tree->Handle(), root);
    EXPECT_EQ(GetDriveTypeW((name + L"\\").c_str()), static_cast<UINT>(DRIVE_FIXED)) << name;
    sawC = sawC || name == L"C:";
  }
  EXPECT_GT(roots, 0);
  EXPECT_TRUE(sawC);
  EXPECT_TRUE(SamePath(tree->Directory() + L"\\", CurrentDirectory() + L"\\"));

  SetCurrentDirectoryW(temp.Path().c_str());
  auto* fresh = form->Add<TRzDirectoryTree>(form.get());
  EXPECT_TRUE(SamePath(fresh->Directory(), temp.Path()));
}

TEST_F(DirectoryTreeTest, ReadsOnlyTheFoldersOnTheWayAndReportsPathsWithoutBackslash) {
  tree->SetDirectory(temp / L"alpha\\inner\\");
  EXPECT_TRUE(SamePath(tree->Directory(), temp / L"alpha\\inner"));
  ASSERT_NE(Item(L"alpha"), nullptr);
  ASSERT_NE(Item(L"beta"), nullptr);
  EXPECT_EQ(TreeView_GetChild(tree->Handle(), Item(L"beta")), nullptr);

  tree->SetDirectory(L"c:");
  EXPECT_EQ(tree->Directory(), L"C:");
  tree->SetDirectory(L"C:\\");
  EXPECT_EQ(tree->Directory(), L"C:");
  EXPECT_TRUE(SamePath(CurrentDirectory(), L"C:\\"));

  tree->SetDirectory(L"");
  EXPECT_EQ(tree->Directory(), L"C:");
  EXPECT_EQ(changing, 0);
  EXPECT_EQ(clicks, 0);
}

TEST_F(DirectoryTreeTest, TheBoundListFollowsTheSelection) {
  auto* list = form->Add<TFileListBox>(form.get());
  list->SetMask(L"*.mdl");
  tree->SetDirectory(temp / L"alpha");
  tree->SetFileList(list);
  EXPECT_TRUE(SamePath(list->Directory(), temp / L"alpha"));

  tree->SetDirectory(temp / L"beta");
  EXPECT_TRUE(SamePath(list->Directory(), temp / L"beta"));
  ASSERT_EQ(list->Count(), 1);
  EXPECT_EQ(list->Item(0), L"two.mdl");
  EXPECT_TRUE(SamePath(CurrentDirectory(), temp / L"beta"));
}

TEST_F(DirectoryTreeTest, KeyboardMovesRaiseOnlyChangingAndClicksRaiseBoth) {
  auto* list = form->Add<TFileListBox>(form.get());
  tree->SetFileList(list);
  tree->SetDirectory(temp / L"alpha");
  SendMessageW(tree->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(SamePath(tree->Directory(), temp / L"beta"));
  EXPECT_TRUE(SamePath(list->Directory(), temp / L"beta"));

  // The click handler runs before the list follows, so a handler that
  // points the list itself makes the click read the folder once.
  std::wstring listedAtClick;
  tree->OnClick = [&](TComponent*) {
    ++clicks;
    seenAtClick = tree->Directory();
    listedAtClick = list->Directory();
  };
  ClickOn(Item(L"alpha"));
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(SamePath(seenAtClick, temp / L"alpha"));
  EXPECT_TRUE(SamePath(listedAtClick, temp / L"beta"));
  EXPECT_TRUE(SamePath(list->Directory(), temp / L"alpha"));
}

TEST_F(DirectoryTreeTest, FoldersMadeOrDeletedSinceTheyWereReadAreFollowed) {
  tree->SetDirectory(temp / L"alpha\\inner");
  // A folder that is the current directory cannot go; another program
  // deletes it while the tree shows another folder.
  tree->SetDirectory(temp.Path());
  ASSERT_TRUE(RemoveDirectoryW((temp / L"alpha\\inner").c_str()));
  tree->SetDirectory(temp / L"alpha\\inner");
  EXPECT_TRUE(SamePath(tree->Directory(), temp / L"alpha"));

  tree->SetDirectory(temp / L"gone\\deeper\\still");
  EXPECT_TRUE(SamePath(tree->Directory(), temp.Path()));

  // Another program makes a folder inside one the tree has read.
  MakeFolder(L"alpha\\later");
  tree->SetDirectory(temp / L"alpha\\later");
  EXPECT_TRUE(SamePath(tree->Directory(), temp / L"alpha\\later"));
}

// Expanding an unread folder with no subfolders takes its button away and
// redraws its row, though the selection stays where it was.
TEST_F(DirectoryTreeTest, AFolderShowsAButtonUntilAReadingFindsNoSubfolders) {
  tree->SetDirectory(temp / L"beta");
  PumpMessages();
  const HTREEITEM empty = Item(L"beta\\hidden_until_read");
  ASSERT_NE(empty, nullptr);
  EXPECT_TRUE(HasButton(empty));
  TreeView_Expand(tree->Handle(), Item(L"beta"), TVE_EXPAND);
  RedrawWindow(tree->Handle(), nullptr, nullptr, RDW_UPDATENOW);

  TreeView_Expand(tree->Handle(), empty, TVE_EXPAND);
  EXPECT_FALSE(HasButton(empty));
  EXPECT_TRUE(HasButton(Item(L"beta")));
  RECT update{};
  GetUpdateRect(tree->Handle(), &update, FALSE);
  const RECT row = ItemRect(empty, false);
  EXPECT_LT(row.top, row.bottom);
  EXPECT_TRUE(update.top <= row.top && update.bottom >= row.bottom)
      << update.top << ".." << update.bottom << " against " << row.top << ".." << row.bottom;

  MakeFolder(L"beta\\hidden_until_read\\later");
  tree->SetDirectory(temp / L"beta\\hidden_until_read\\later");
  EXPECT_TRUE(HasButton(empty));
}

TEST_F(DirectoryTreeTest, ADriveThatDoesNotExistIsRefusedAndAShareIsIgnored) {
  const wchar_t drive = MissingDrive();
  ASSERT_NE(drive, 0);
  tree->SetDirectory(temp / L"beta");
  const std::wstring path = std::wstring{drive} + L":\\models\\old";
  try {
    tree->SetDirectory(path);
    ADD_FAILURE() << "no error for " << testing::PrintToString(path);
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), L"The " + path + L" directory does not exist");
  }
  EXPECT_TRUE(SamePath(tree->Directory(), temp / L"beta"));

  // A letter made for a folder whose name is longer than MAX_PATH exists,
  // though the tree, which shows the drives it started with, does not show it.
  const std::wstring deep = temp.Path() + L"\\" + std::wstring(MAX_PATH, L'd');
  const std::wstring letter{drive, L':'};
  ASSERT_TRUE(DefineDosDeviceW(DDD_RAW_TARGET_PATH, letter.c_str(), (L"\\??\\" + deep).c_str()));
  EXPECT_NO_THROW(tree->SetDirectory(letter + L"\\planes"));
  DefineDosDeviceW(DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION, letter.c_str(), nullptr);
  EXPECT_TRUE(SamePath(tree->Directory(), temp / L"beta"));

  tree->SetDirectory(L"\\\\server\\models");
  EXPECT_TRUE(SamePath(tree->Directory(), temp / L"beta"));
}

// The pixels of the tree after its frame and rows have all been drawn again.
std::vector<COLORREF> Redrawn(HWND tree) {
  RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  return ShownPixels(tree);
}

// Whether the rows the tree shows are those it prints when asked to.
bool ShowsItsRows(HWND tree) {
  const std::vector<COLORREF> shown = ShownPixels(tree);
  RECT window;
  GetWindowRect(tree, &window);
  RECT client;
  GetClientRect(tree, &client);
  MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const PixelBitmap printed(client.right - client.left, client.bottom - client.top);
  const MemoryDC memory;
  const SelectGuard selected(memory.Get(), printed.Handle());
  SendMessageW(tree, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()),
               PRF_CLIENT | PRF_ERASEBKGND);
  const int width = window.right - window.left;
  for (int y = 0; y < printed.Height(); ++y) {
    for (int x = 0; x < printed.Width(); ++x) {
      const size_t at = static_cast<size_t>((client.top - window.top + y) * width +
                                            client.left - window.left + x);
      if (shown[at] != printed.Pixel(x, y)) return false;
    }
  }
  return true;
}

// The frame paints a window takes while a call runs.
int FramePaintsDuring(HWND window, const std::function<void()>& call) {
  static HWND watched;
  static int paints;
  watched = window;
  paints = 0;
  const HHOOK hook = SetWindowsHookExW(
      WH_CALLWNDPROC,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (sent->hwnd == watched && sent->message == WM_NCPAINT) ++paints;
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  call();
  UnhookWindowsHookEx(hook);
  return paints;
}

// A paint of a few rows shows scroll bars as a redraw of the whole tree
// does, without drawing the frame and its bars again, and so does a paint
// in which the tree puts right a scroll bar it finds out of step; a print
// leaves the tree as visible as it was.
TEST_F(DirectoryTreeTest, ScrollBarsLookAsAWholeRedrawDrawsThemAfterEveryPaint) {
  const std::wstring longName(90, L'w');
  for (int i = 0; i < 30; ++i) MakeFolder(L"many\\folder" + std::to_wstring(i));
  MakeFolder(L"many\\" + longName);
  tree->SetDirectory(temp / (L"many\\" + longName));
  PumpMessages();
  const HWND window = tree->Handle();
  ASSERT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL),
            WS_VSCROLL | WS_HSCROLL);
  Redrawn(window);

  std::vector<COLORREF> moved;
  EXPECT_EQ(FramePaintsDuring(window,
                              [&] {
                                SendMessageW(window, WM_KEYDOWN, VK_UP, 0);
                                moved = ShownPixels(window);
                              }),
            0);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(ShowsItsRows(window));
  EXPECT_EQ(moved, Redrawn(window));

  SetScrollPos(window, SB_VERT, 0, TRUE);
  InvalidateRect(window, nullptr, TRUE);
  const std::vector<COLORREF> putRight = ShownPixels(window);
  EXPECT_GT(GetScrollPos(window, SB_VERT), 0);
  EXPECT_EQ(putRight, Redrawn(window));

  tree->Hide();
  const MemoryDC memory;
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
  EXPECT_FALSE(IsWindowVisible(window));
}

}  // namespace
