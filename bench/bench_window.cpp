#include "bench/bench_window.h"

#include "toolkit/application.h"

void PumpUntilIdle() {
  do {
    Application().ProcessMessages();
  } while (GetQueueStatus(QS_ALLINPUT) != 0);
}
