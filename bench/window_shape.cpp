#include "bench/window_shape.h"

#include <commctrl.h>

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

bool IsClass(HWND window, const wchar_t* name) {
  return lstrcmpiW(ClassOf(window).c_str(), name) == 0;
}

// The items of a tree view from the first one given on, depth first.
void TakeTreeItems(HWND tree, HTREEITEM first, int depth, std::vector<ShapeItem>& items) {
  for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[MAX_PATH] = L"";
    TVITEMW query{};
    query.mask = TVIF_TEXT | TVIF_STATE | TVIF_CHILDREN;
    query.hItem = item;
    query.stateMask = TVIS_EXPANDED;
    query.pszText = text;
    query.cchTextMax = MAX_PATH;
    TreeView_GetItem(tree, &query);
    const HTREEITEM child = TreeView_GetChild(tree, item);
    unsigned state = query.cChildren != 0 || child ? ShapeItem::kButton : 0u;
    if (query.state & TVIS_EXPANDED) state |= ShapeItem::kExpanded;
    if (item == TreeView_GetSelection(tree)) state |= ShapeItem::kSelected;
    items.push_back({text, depth, state});
    TakeTreeItems(tree, child, depth + 1, items);
  }
}

void TakeTabs(HWND tabs, ShapeWindow& shape) {
  const int selected = TabCtrl_GetCurSel(tabs);
  for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
    wchar_t text[MAX_PATH] = L"";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    TabCtrl_GetItem(tabs, i, &item);
    shape.items.push_back({text, 0, i == selected ? ShapeItem::kSelected : 0u});
  }
  RECT tab{};
  if (TabCtrl_GetItemRect(tabs, 0, &tab))
    shape.itemSize = {tab.right - tab.left, tab.bottom - tab.top};
}

void TakeItems(HWND window, ShapeWindow& shape) {
  if (IsClass(window, WC_TREEVIEWW)) {
    shape.itemSize.cx = static_cast<LONG>(TreeView_GetIndent(window));
    TakeTreeItems(window, TreeView_GetRoot(window), 0, shape.items);
  } else if (IsClass(window, WC_TABCONTROLW)) {
    TakeTabs(window, shape);
  }
}

// A window's class, styles and text, below the parent of that index.
ShapeWindow ShapeOf(HWND window, size_t parent) {
  ShapeWindow shape;
  shape.className = ClassOf(window);
  shape.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  shape.exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  shape.text = TextOf(window);
  shape.parent = parent;
  return shape;
}

// Children are taken from the top of the z-order down; made again in that
// order, each new one going below the ones before, they lie as they did.
void TakeChildren(HWND parent, size_t index, WindowShape& shape) {
  if (IsClass(parent, L"ComboBox")) return;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT bounds;
    GetWindowRect(child, &bounds);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
    shape.push_back(ShapeOf(child, index));
    shape.back().bounds = bounds;
    TakeItems(child, shape.back());
    TakeChildren(child, shape.size() - 1, shape);
  }
}

void FillTree(HWND tree, const ShapeWindow& shape) {
  TreeView_SetIndent(tree, shape.itemSize.cx);
  std::vector<HTREEITEM> parents{TVI_ROOT};
  std::vector<HTREEITEM> made;
  for (const ShapeItem& item : shape.items) {
    parents.resize(static_cast<size_t>(item.depth) + 1);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parents.back();
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    insert.item.pszText = const_cast<wchar_t*>(item.text.c_str());
    insert.item.cChildren = item.state & ShapeItem::kButton ? 1 : 0;
    made.push_back(TreeView_InsertItem(tree, &insert));
    parents.push_back(made.back());
  }
  // Depth first, a parent is opened before any item below it is selected.
  for (size_t i = 0; i < made.size(); ++i) {
    if (shape.items[i].state & ShapeItem::kExpanded) TreeView_Expand(tree, made[i], TVE_EXPAND);
    if (!(shape.items[i].state & ShapeItem::kSelected)) continue;
    TreeView_SelectItem(tree, made[i]);
    TreeView_EnsureVisible(tree, made[i]);
  }
}

void FillTabs(HWND tabs, const ShapeWindow& shape) {
  TabCtrl_SetItemSize(tabs, shape.itemSize.cx, shape.itemSize.cy);
  for (size_t i = 0; i < shape.items.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(shape.items[i].text.c_str());
    TabCtrl_InsertItem(tabs, static_cast<int>(i), &item);
  }
  for (size_t i = 0; i < shape.items.size(); ++i) {
    if (shape.items[i].state & ShapeItem::kSelected) TabCtrl_SetCurSel(tabs, static_cast<int>(i));
  }
}

// Gives a bare tree view or tab control the items of its shape.
void Fill(HWND window, const ShapeWindow& shape) {
  if (shape.items.empty()) return;
  if (IsClass(window, WC_TREEVIEWW)) {
    FillTree(window, shape);
  } else if (IsClass(window, WC_TABCONTROLW)) {
    FillTabs(window, shape);
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
  WindowShape shape{ShapeOf(top, 0)};
  GetWindowRect(top, &shape.front().bounds);
  TakeChildren(top, 0, shape);
  return shape;
}

WindowShape WithoutItems(WindowShape shape) {
  for (ShapeWindow& window : shape) window.items.clear();
  return shape;
}

HWND BuildBare(const WindowShape& shape) {
  static const bool registered = (RegisterBareClasses(), true);
  (void)registered;
  if (shape.empty()) return nullptr;
  std::vector<HWND> made{
      Make(shape.front(), kBareClass, shape.front().style & ~WS_VISIBLE, nullptr)};
  for (size_t i = 1; i < shape.size(); ++i) {
    made.push_back(
        Make(shape[i], shape[i].className.c_str(), shape[i].style, made[shape[i].parent]));
    Fill(made.back(), shape[i]);
  }
  return made.front();
}

namespace {

void AddNumbers(std::wstring& file, std::initializer_list<long long> numbers) {
  for (const long long number : numbers) file += std::to_wstring(number) + L'\t';
}

}  // namespace

// One window a line, as UTF-16 text: the class, the styles, the bounds, the
// parent's index, the item size and the number of items, each followed by a
// tab, then the text's length, a tab and the text, which may hold any
// character. Each item follows on a line of its own: depth, state, the
// text's length and the text. Plain Windows file calls and number parsing
// keep the bare window's program free of C++ streams.
void SaveShape(const WindowShape& shape, const std::wstring& path) {
  std::wstring file;
  for (const ShapeWindow& window : shape) {
    file += window.className + L'\t';
    AddNumbers(file,
               {window.style, window.exStyle, window.bounds.left, window.bounds.top,
                window.bounds.right, window.bounds.bottom, static_cast<long long>(window.parent),
                window.itemSize.cx, window.itemSize.cy, static_cast<long long>(window.items.size()),
                static_cast<long long>(window.text.size())});
    file += window.text + L'\n';
    for (const ShapeItem& item : window.items) {
      AddNumbers(file, {item.depth, item.state, static_cast<long long>(item.text.size())});
      file += item.text + L'\n';
    }
  }
  const HANDLE out =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, file.data(), static_cast<DWORD>(file.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(out);
}

namespace {

std::wstring ReadText(const std::wstring& path) {
  const HANDLE in =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
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

// The text at `at` whose length comes first, moving `at` past its line.
std::wstring NextText(const wchar_t*& at) {
  const size_t length = std::min(static_cast<size_t>(NextNumber(at)), std::wcslen(at));
  std::wstring text(at, length);
  at += length;
  if (*at) ++at;
  return text;
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
    window.itemSize = {static_cast<LONG>(NextNumber(at)), static_cast<LONG>(NextNumber(at))};
    window.items.resize(static_cast<size_t>(NextNumber(at)));
    window.text = NextText(at);
    for (ShapeItem& item : window.items) {
      item.depth = static_cast<int>(NextNumber(at));
      item.state = static_cast<unsigned>(NextNumber(at));
      item.text = NextText(at);
    }
    shape.push_back(window);
  }
  return shape;
}
