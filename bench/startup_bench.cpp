// Times the start-up of the real main window, from its construction until
// it is shown and idle, against a bare window with the same kinds of
// controls: every control of the main window made again as a plain child
// window of the same class, style, place and text, with no handlers, fonts
// or painting of its own.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_files.h"
#include "bench/bench_runs.h"
#include "bench/bench_window.h"
#include "frontend/zh_tarn.h"
#include "toolkit/exception.h"

namespace {

const wchar_t* const kBareClass = L"ZhBenchBareWindow";

// One child window as the floor makes it again.
struct ChildShape {
  std::wstring className;
  DWORD style;
  DWORD exStyle;
  RECT bounds;
  std::wstring text;
  size_t parent;  // index into the list; the top window is index 0
};

struct WindowShape {
  DWORD style;
  DWORD exStyle;
  RECT bounds;
  std::wstring text;
  std::vector<ChildShape> children;
};

RECT BoundsInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void TakeChildren(const TControl& control, size_t index, WindowShape& shape) {
  for (const TControl* child : control.Children()) {
    wchar_t className[64];
    GetClassNameW(child->Handle(), className, 64);
    shape.children.push_back({className,
                              static_cast<DWORD>(GetWindowLongW(child->Handle(), GWL_STYLE)),
                              static_cast<DWORD>(GetWindowLongW(child->Handle(), GWL_EXSTYLE)),
                              BoundsInParent(child->Handle()), child->Text(), index});
    TakeChildren(*child, shape.children.size(), shape);
  }
}

WindowShape TakeShape(const TForm& form) {
  WindowShape shape{static_cast<DWORD>(GetWindowLongW(form.Handle(), GWL_STYLE)),
                    static_cast<DWORD>(GetWindowLongW(form.Handle(), GWL_EXSTYLE)),
                    {},
                    form.Text(),
                    {}};
  GetWindowRect(form.Handle(), &shape.bounds);
  TakeChildren(form, 0, shape);
  return shape;
}

void RegisterBareClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kBareClass;
  RegisterClassExW(&wc);
}

HWND MakeWindow(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle,
                const RECT& bounds, HWND parent) {
  HWND window = CreateWindowExW(exStyle, className, text.c_str(), style, bounds.left, bounds.top,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) throw Exception(std::wstring(L"Cannot make a ") + className + L" window");
  return window;
}

// The floor: the bare window shown and idle; returns its top window.
HWND BuildBare(const WindowShape& shape) {
  std::vector<HWND> made{MakeWindow(kBareClass, shape.text, shape.style & ~WS_VISIBLE,
                                    shape.exStyle, shape.bounds, nullptr)};
  for (const ChildShape& child : shape.children) {
    made.push_back(MakeWindow(child.className.c_str(), child.text, child.style, child.exStyle,
                              child.bounds, made[child.parent]));
  }
  ShowWindow(made.front(), SW_SHOW);
  PumpUntilIdle();
  return made.front();
}

std::unique_ptr<Tzh_tarnF> StartMainWindow() {
  auto form = CreateForm<Tzh_tarnF>(nullptr);
  zh_tarnF = form.get();
  form->Show();
  PumpUntilIdle();
  return form;
}

void CloseMainWindow(std::unique_ptr<Tzh_tarnF>& form) {
  form.reset();
  zh_tarnF = nullptr;
  PumpUntilIdle();
}

int Run() {
  const TempFolder folder(L"zh_startup_bench_");
  const std::wstring program = folder / L"program";
  MakeProgramFolder(program, L"");
  SetCurrentDirectoryW(program.c_str());
  RegisterBareClass();

  auto first = StartMainWindow();
  const WindowShape shape = TakeShape(*first);
  CloseMainWindow(first);

  const Timings timings = Interleave(
      [] {
        std::unique_ptr<Tzh_tarnF> form;
        const double seconds = Seconds([&] { form = StartMainWindow(); });
        CloseMainWindow(form);
        return seconds;
      },
      [&] {
        HWND bare = nullptr;
        const double seconds = Seconds([&] { bare = BuildBare(shape); });
        DestroyWindow(bare);
        PumpUntilIdle();
        return seconds;
      },
      {15, 45});
  char measure[64];
  std::snprintf(measure, sizeof(measure), "start-up to idle window (%zu controls)",
                shape.children.size());
  Report(measure, timings, 1.5);
  SetCurrentDirectoryW(OwnFolder().c_str());
  return 0;
}

}  // namespace

int wmain() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    return Run();
  } catch (const Exception& error) {
    std::printf("start-up benchmark: %ls\n", error.Message().c_str());
    return 1;
  }
}
