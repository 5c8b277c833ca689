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

void TCustomControl::PaintWindow() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  const RECT rect = ClientRect();
  if (rect.right > 0 && rect.bottom > 0) {
    MemoryDC memory;
    Bitmap bitmap(CreateCompatibleBitmap(dc, rect.right, rect.bottom));
    {
      SelectGuard select(memory.Get(), bitmap.Get());
      PaintTo(memory.Get());
      BitBlt(dc, 0, 0, rect.right, rect.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(Handle(), &ps);
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
