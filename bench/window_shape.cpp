#include "bench/window_shape.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

const wchar_t* const kBareClass = L"ZhBenchBareWindow";
// The class of the main window's own controls.
const wchar_t* const kOwnControlClass = L"ZhTarnControl";

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(length));
  return text;
}

// Children are taken from the top of the z-order down; made again in that
// order, each new one going below the ones before, they lie as they did.
void TakeChildren(HWND parent, size_t index, WindowShape& shape) {
  if (lstrcmpiW(ClassOf(parent).c_str(), L"ComboBox") == 0) return;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT bounds;
    GetWindowRect(child, &bounds);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
    shape.push_back({ClassOf(child), static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)),
                     static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE)), bounds,
                     TextOf(child), index});
    TakeChildren(child, shape.size() - 1, shape);
  }
}

void RegisterBareClasses() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kBareClass;
  RegisterClassExW(&wc);
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kOwnControlClass;
  RegisterClassExW(&wc);
}

HWND Make(const ShapeWindow& shape, const wchar_t* className, DWORD style, HWND parent) {
  return CreateWindowExW(shape.exStyle, className, shape.text.c_str(), style, shape.bounds.left,
                         shape.bounds.top, shape.bounds.right - shape.bounds.left,
                         shape.bounds.bottom - shape.bounds.top, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

WindowShape TakeShape(HWND top) {
  WindowShape shape{{ClassOf(top), static_cast<DWORD>(GetWindowLongW(top, GWL_STYLE)),
                     static_cast<DWORD>(GetWindowLongW(top, GWL_EXSTYLE)), {}, TextOf(top), 0}};
  GetWindowRect(top, &shape.front().bounds);
  TakeChildren(top, 0, shape);
  return shape;
}

HWND BuildBare(const WindowShape& shape) {
  static const bool registered = (RegisterBareClasses(), true);
  (void)registered;
  if (shape.empty()) return nullptr;
  std::vector<HWND> made{Make(shape.front(), kBareClass, shape.front().style & ~WS_VISIBLE,
                              nullptr)};
  for (size_t i = 1; i < shape.size(); ++i) {
    made.push_back(Make(shape[i], shape[i].className.c_str(), shape[i].style,
                        made[shape[i].parent]));
  }
  return made.front();
}

// One window a line, as UTF-16 text: the class, the styles, the bounds and
// the parent's index, each followed by a tab, then the text's length, a tab
// and the text, which may hold any character. Plain Windows file calls and
// number parsing keep the bare window's program free of C++ streams.
void SaveShape(const WindowShape& shape, const std::wstring& path) {
  std::wstring file;
  for (const ShapeWindow& window : shape) {
    file += window.className + L'\t';
    for (const long long number :
         {static_cast<long long>(window.style), static_cast<long long>(window.exStyle),
          static_cast<long long>(window.bounds.left), static_cast<long long>(window.bounds.top),
          static_cast<long long>(window.bounds.right), static_cast<long long>(window.bounds.bottom),
          static_cast<long long>(window.parent), static_cast<long long>(window.text.size())}) {
      file += std::to_wstring(number) + L'\t';
    }
    file += window.text + L'\n';
  }
  const HANDLE out =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, file.data(), static_cast<DWORD>(file.size() * sizeof(wchar_t)), &written,
            nullptr);
  CloseHandle(out);
}

namespace {

std::wstring ReadText(const std::wstring& path) {
  const HANDLE in = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
  if (in == INVALID_HANDLE_VALUE) return {};
  std::wstring text(GetFileSize(in, nullptr) / sizeof(wchar_t), L'\0');
  DWORD read = 0;
  ReadFile(in, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
  CloseHandle(in);
  text.resize(read / sizeof(wchar_t));
  return text;
}

// The number at `at`, moving `at` past it and the tab after it.
long long NextNumber(const wchar_t*& at) {
  wchar_t* end = nullptr;
  const long long number = std::wcstoll(at, &end, 10);
  at = *end ? end + 1 : end;
  return number;
}

}  // namespace

WindowShape LoadShape(const std::wstring& path) {
  const std::wstring file = ReadText(path);
  WindowShape shape;
  for (const wchar_t* at = file.c_str(); *at;) {
    const wchar_t* const tab = std::wcschr(at, L'\t');
    if (!tab) break;
    ShapeWindow window;
    window.className.assign(at, tab);
    at = tab + 1;
    window.style = static_cast<DWORD>(NextNumber(at));
    window.exStyle = static_cast<DWORD>(NextNumber(at));
    window.bounds = {static_cast<LONG>(NextNumber(at)), static_cast<LONG>(NextNumber(at)),
                     static_cast<LONG>(NextNumber(at)), static_cast<LONG>(NextNumber(at))};
    window.parent = static_cast<size_t>(NextNumber(at));
    const size_t length = std::min(static_cast<size_t>(NextNumber(at)), std::wcslen(at));
    window.text.assign(at, length);
    at += length;
    if (*at) ++at;
    shape.push_back(window);
  }
  return shape;
}
