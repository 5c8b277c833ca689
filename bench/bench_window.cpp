#include "bench/bench_window.h"

#include "toolkit/application.h"

void PumpUntilIdle() {
  do {
    Application().ProcessMessages();
  } while (GetQueueStatus(QS_ALLINPUT) != 0);
}

void ClickAt(HWND window, POINT point) {
  const LPARAM where = MAKELPARAM(point.x, point.y);
  PostMessageW(window, WM_LBUTTONUP, 0, where);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PumpUntilIdle();
}

POINT Middle(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
