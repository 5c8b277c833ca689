#include "tests/frontend/main_window_fixture.h"

#include <commctrl.h>

#include <cstring>

#include "dialogs/Unit3.h"

namespace {

std::wstring* noticeHeading = nullptr;

// Closes the missing files notice once it runs modally, remembering its
// heading.
void CALLBACK CloseNotice(HWND, UINT, UINT_PTR timer, DWORD) {
  auto* notice = dynamic_cast<TForm3*>(TControl::FromHandle(GetActiveWindow()));
  if (!notice || !notice->Modal()) return;
  KillTimer(nullptr, timer);
  *noticeHeading = notice->Label1->Caption();
  notice->Close();
}

}  // namespace

MainWindowTest::MainWindowTest() {
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  previousDirectory_ = previous;
  for (const wchar_t* name : {L"tarn.exe", L"tarn.ini", L"rtm.exe", L"dictguid.txt"}) {
    WriteFileBytes(dir / name, "");
  }
  SetCurrentDirectoryW(dir.Path().c_str());
}

MainWindowTest::~MainWindowTest() {
  window.reset();
  zh_tarnF = nullptr;
  SetCurrentDirectoryW(previousDirectory_.c_str());
}

void MainWindowTest::Build() {
  window = CreateForm<Tzh_tarnF>(nullptr);
  zh_tarnF = window.get();
}

void MainWindowTest::Open() {
  if (!window) Build();
  noticeHeading = &missingNotice;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseNotice);
  window->Show();
  KillTimer(nullptr, timer);
  PumpMessages();
}

void MainWindowTest::CloseWindow() {
  SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  PumpMessages();
}

void MainWindowTest::MakeParameterPages() {
  for (int i = 0; i < window->dsPage->PageCount(); ++i) window->dsPage->Page(i)->MakeContent();
}

std::wstring MainWindowTest::IniValue(const wchar_t* section, const wchar_t* key) const {
  wchar_t value[256];
  GetPrivateProfileStringW(section, key, L"<absent>", value, 256, IniPath().c_str());
  return value;
}

void MainWindowTest::ClickItem(TListBox* list, int index, WPARAM keys) {
  RECT item;
  SendMessageW(list->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
  ClickAt(list->Handle(), Middle(item), TMouseButton::mbLeft, keys);
}

void MainWindowTest::ClickAsTheMouseWould(TControl* control) {
  POINT at = Middle(control->ClientRect());
  ClientToScreen(control->Handle(), &at);
  HWND target = window->Handle();
  for (;;) {
    POINT inside = at;
    ScreenToClient(target, &inside);
    HWND child = ChildWindowFromPointEx(target, inside, CWP_SKIPDISABLED | CWP_SKIPINVISIBLE);
    if (!child || child == target) break;
    target = child;
  }
  ScreenToClient(target, &at);
  ClickAt(target, at, TMouseButton::mbLeft);
}

void MainWindowTest::OpenFolder(const std::wstring& folder) {
  window->MDL_D->SetDirectory(folder);
  HWND tree = window->MDL_D->Handle();
  const HTREEITEM selected = TreeView_GetSelection(tree);
  TreeView_EnsureVisible(tree, selected);
  RECT item;
  std::memcpy(&item, &selected, sizeof(selected));
  SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&item));
  ClickAt(tree, Middle(item), TMouseButton::mbLeft);
}
