#include "tests/support/start_retry.h"

#include <cstdio>

void RetryFailedStart(const std::function<DWORD()>& start) {
  for (int attempt = 1;; ++attempt) {
    const DWORD error = start();
    if (error == ERROR_SUCCESS || attempt == 3) return;
    std::printf("The child did not start (error %lu); trying again.\n", error);
  }
}
