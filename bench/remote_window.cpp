#include "bench/remote_window.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "toolkit/exception.h"

namespace {

constexpr DWORD kIdleWait = 60000;
constexpr size_t kPageBytes = 4096;
constexpr size_t kTextOffset = 256;

bool WaitsToBePainted(const std::vector<HWND>& windows) {
  for (const HWND window : windows) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) return true;
  }
  return false;
}

// The window's children, at any depth.
std::vector<HWND> ChildWindows(HWND top) {
  std::vector<HWND> children;
  EnumChildWindows(
      top,
      [](HWND child, LPARAM found) WINAPI -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

}  // namespace

HWND ChildOfClass(HWND top, const wchar_t* className, DWORD style) {
  wchar_t name[64];
  for (const HWND child : ChildWindows(top)) {
    const DWORD has = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    if (GetClassNameW(child, name, 64) && lstrcmpiW(name, className) == 0 &&
        IsWindowVisible(child) && (has & style) == style)
      return child;
  }
  throw Exception(std::wstring(L"The window has no ") + className);
}

namespace {

// Mouse input at a point of the window's client area: moves there, and does
// what the flags add.
void SendMouse(HWND window, POINT point, std::initializer_list<DWORD> flags) {
  ClientToScreen(window, &point);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs;
  for (const DWORD more : flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (point.x * 65535 + width / 2) / (width - 1);
    input.mi.dy = (point.y * 65535 + height / 2) / (height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | more;
    inputs.push_back(input);
  }
  const auto count = static_cast<UINT>(inputs.size());
  if (SendInput(count, inputs.data(), sizeof(INPUT)) != count)
    throw Exception(L"Cannot send mouse input: " + LastErrorText());
}

}  // namespace

int ThreadWindowsOfClass(HWND window, const wchar_t* className) {
  struct Count {
    const wchar_t* className;
    int found;
  } count{className, 0};
  EnumThreadWindows(
      GetWindowThreadProcessId(window, nullptr),
      [](HWND top, LPARAM counted) WINAPI -> BOOL {
        auto* tally = reinterpret_cast<Count*>(counted);
        wchar_t name[64];
        if (GetClassNameW(top, name, 64) && lstrcmpiW(name, tally->className) == 0) ++tally->found;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.found;
}

void SendPointerTo(HWND window, POINT point) { SendMouse(window, point, {0}); }

void SendClick(HWND window, POINT point) {
  SendMouse(window, point, {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

void WaitUntilIdle(HWND list, int count, const std::vector<HWND>& windows) {
  const ULONGLONG until = GetTickCount64() + kIdleWait;
  DWORD_PTR items = 0;
  while (GetTickCount64() < until) {
    if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kIdleWait, &items)) break;
    if (static_cast<int>(items) == count && !WaitsToBePainted(windows)) return;
  }
  throw Exception(L"The window did not list " + std::to_wstring(count) + L" models within a minute");
}

RemoteTree::RemoteTree(HANDLE process, HWND tree)
    : process_(process),
      tree_(tree),
      page_(static_cast<char*>(
          VirtualAllocEx(process, nullptr, kPageBytes, MEM_COMMIT, PAGE_READWRITE))) {
  if (!page_) throw Exception(L"Cannot reach the tree's process: " + LastErrorText());
}

RemoteTree::~RemoteTree() { VirtualFreeEx(process_, page_, 0, MEM_RELEASE); }

template <class T>
void RemoteTree::Put(const T& value, size_t offset) const {
  if (!WriteProcessMemory(process_, page_ + offset, &value, sizeof(T), nullptr))
    throw Exception(L"Cannot write to the tree's process: " + LastErrorText());
}

template <class T>
T RemoteTree::Take(size_t offset) const {
  T value{};
  if (!ReadProcessMemory(process_, page_ + offset, &value, sizeof(T), nullptr))
    throw Exception(L"Cannot read from the tree's process: " + LastErrorText());
  return value;
}

HTREEITEM RemoteTree::Selected() const { return TreeView_GetSelection(tree_); }

std::wstring RemoteTree::ItemText(HTREEITEM item) const {
  TVITEMW asked{};
  asked.mask = TVIF_TEXT;
  asked.hItem = item;
  asked.pszText = reinterpret_cast<wchar_t*>(page_ + kTextOffset);
  asked.cchTextMax = MAX_PATH;
  Put(asked);
  SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(page_));
  const auto text = Take<std::array<wchar_t, MAX_PATH>>(kTextOffset);
  return text.data();
}

HTREEITEM RemoteTree::Child(HTREEITEM parent, const std::wstring& name) const {
  TreeView_Expand(tree_, parent, TVE_EXPAND);
  for (HTREEITEM child = TreeView_GetChild(tree_, parent); child;
       child = TreeView_GetNextSibling(tree_, child)) {
    if (ItemText(child) == name) return child;
  }
  throw Exception(L"The tree does not show " + name);
}

POINT RemoteTree::ItemPoint(HTREEITEM item) const {
  TreeView_EnsureVisible(tree_, item);
  Put(item);
  SendMessageW(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(page_));
  const RECT rect = Take<RECT>();
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
