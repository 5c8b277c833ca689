#include "controls/keyboard.h"

bool RaiseKey(const TKeyEvent& event, TComponent* sender, WPARAM wParam) {
  WORD key = static_cast<WORD>(wParam);
  if (event) event(sender, key, KeyboardShift());
  return key != 0;
}
