#pragma once

#include "toolkit/canvas.h"
#include "toolkit/control.h"

// A control that paints itself through a canvas. Each paint goes into a
// memory bitmap that all such controls share, filled with the control's
// background colour first, then onto the screen in one copy. Tracks the
// pointer entering and leaving.
class TCustomControl : public TControl {
 public:
  // A hidden control is made hidden rather than shown with its parent.
  TCustomControl(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
                 int width, int height, DWORD style = 0, bool hidden = false);

  // Fills dc with the background colour and paints the control into it, as
  // a repaint would.
  void PaintTo(HDC dc);
  bool MouseInside() const { return mouseInside_; }

 protected:
  virtual void Paint(TCanvas& canvas) = 0;
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void PaintWindow();
  void TrackPointer();

  bool mouseInside_ = false;
};
