#include "toolkit/timer.h"

#include <commctrl.h>

#include "toolkit/error_boundary.h"
#include "toolkit/exception.h"

TTimer::TTimer(TComponent* owner)
    : TComponent(owner),
      window_(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {
  if (!window_) throw Exception(L"Cannot create a timer: " + LastErrorText());
  SetWindowSubclass(window_.Get(), Proc, 0, reinterpret_cast<DWORD_PTR>(this));
  Update();
}

TTimer::~TTimer() {
  KillTimer(window_.Get(), 1);
  RemoveWindowSubclass(window_.Get(), Proc, 0);
}

void TTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(unsigned interval) {
  interval_ = interval;
  Update();
}

void TTimer::Update() {
  KillTimer(window_.Get(), 1);
  if (enabled_ && interval_ > 0) SetTimer(window_.Get(), 1, interval_, nullptr);
}

LRESULT CALLBACK TTimer::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR self) {
  if (msg != WM_TIMER) return DefSubclassProc(window, msg, wParam, lParam);
  auto* timer = reinterpret_cast<TTimer*>(self);
  Protect([timer] {
    if (timer->OnTimer) timer->OnTimer(timer);
  });
  return 0;
}
