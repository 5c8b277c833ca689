#include "toolkit/message_loop.h"

#include "toolkit/error_boundary.h"

namespace {

// Set by the quit message; the loop takes nothing after it.
bool ended = false;

void Dispatch(const MSG& msg, TMessageFilter filter) {
  if (filter && filter(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

bool HandleNextMessage(TMessageFilter filter) {
  if (ended) return false;
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    ended = true;
    return false;
  }
  Protect([&] { Dispatch(msg, filter); });
  return !ended;
}

void HandlePendingMessages(TMessageFilter filter) {
  MSG msg;
  while (!ended && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ended = true;
      break;
    }
    Dispatch(msg, filter);
  }
}

void EndMessageLoop() { PostQuitMessage(0); }
