#pragma once

#include <windows.h>

#include "toolkit/component.h"
#include "toolkit/unique_handle.h"

// Raises OnTimer every Interval milliseconds while enabled, through the
// message loop.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);

  TNotifyEvent OnTimer;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR self);
  void Update();

  WindowHandle window_;
  bool enabled_ = true;
  unsigned interval_ = 1000;
};
