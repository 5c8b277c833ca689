#include "toolkit/custom_control.h"

TCustomControl::TCustomControl(TComponent* owner, TControl* parent, int width, int height,
                               DWORD style)
    : TControl(owner, parent, {kControlClass, style | WS_CLIPCHILDREN, 0, width, height}) {}

void TCustomControl::PaintTo(HDC dc) {
  const RECT rect = ClientRect();
  FillRect(dc, &rect, BackgroundBrush());
  TCanvas canvas(dc);
  canvas.Font().Assign(Font());
  Paint(canvas);
}

// A paint that fails is shown once: its region counts as painted all the
// same, so it is not asked for again and again.
void TCustomControl::PaintWindow() {
  const PaintDC dc(Handle());
  const RECT rect = ClientRect();
  if (rect.right <= 0 || rect.bottom <= 0) return;
  MemoryDC memory;
  const Bitmap bitmap(CreateCompatibleBitmap(dc.Get(), rect.right, rect.bottom));
  const SelectGuard select(memory.Get(), bitmap.Get());
  PaintTo(memory.Get());
  BitBlt(dc.Get(), 0, 0, rect.right, rect.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void TCustomControl::TrackPointer() {
  if (mouseInside_) return;
  mouseInside_ = true;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
  TrackMouseEvent(&track);
  MouseEnter();
}

LRESULT TCustomControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      PaintWindow();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      TrackPointer();
      return TControl::WndProc(msg, wParam, lParam);
    case WM_MOUSELEAVE:
      mouseInside_ = false;
      MouseLeave();
      return 0;
    default:
      return TControl::WndProc(msg, wParam, lParam);
  }
}
