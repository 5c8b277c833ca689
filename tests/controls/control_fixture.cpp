#include "tests/controls/control_fixture.h"

#include <algorithm>

#include "tests/support/temp_dir.h"
#include "toolkit/canvas.h"

Snapshot::Snapshot(TCustomControl& control) : bitmap_(control.Width(), control.Height()) {
  MemoryDC dc;
  SelectGuard select(dc.Get(), bitmap_.Handle());
  control.PaintTo(dc.Get());
}

int Snapshot::CountInRow(int y, int x1, int x2, COLORREF color) const {
  int count = 0;
  for (int x = x1; x < x2; ++x) count += At(x, y) == color ? 1 : 0;
  return count;
}

Box BoxOf(const Snapshot& shot, const std::function<bool(int x, int y)>& in) {
  Box box{shot.Width(), shot.Height(), -1, -1};
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x) {
      if (!in(x, y)) continue;
      box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    }
  return box;
}

Box InvertedBox(const Snapshot& before, const Snapshot& after) {
  return BoxOf(after, [&](int x, int y) { return after.At(x, y) == (before.At(x, y) ^ 0xFFFFFF); });
}

SIZE TextSize(const TFont& font, const std::wstring& text) {
  MemoryDC dc;
  TCanvas canvas(dc.Get());
  canvas.Font().Assign(font);
  return canvas.TextExtent(text);
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

ControlTest::ControlTest() : form(CreateForm<TForm>(nullptr)) {
  form->SetBounds(100, 100, 420, 320);
  form->SetColor(kBehind);
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpMessages();
}

void ControlTest::PointAt(TControl& control, int x, int y) {
  POINT at{x, y};
  ClientToScreen(control.Handle(), &at);
  SetCursorPos(at.x, at.y);
  SendMessageW(control.Handle(), WM_MOUSEMOVE, 0, Point(x, y));
}

void ControlTest::PointAway() {
  SetCursorPos(5, 5);
  for (int i = 0; i < 50; ++i) {
    PumpMessages();
    Sleep(10);
  }
}

void ControlTest::LeftClick(TControl& control, int x, int y) {
  SendMessageW(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
  SendMessageW(control.Handle(), WM_LBUTTONUP, 0, Point(x, y));
}

void ControlTest::Accelerator(wchar_t ch) {
  MSG msg{};
  msg.hwnd = GetFocus() ? GetFocus() : form->Handle();
  msg.message = WM_SYSCHAR;
  msg.wParam = ch;
  form->PreviewKey(msg);
}
