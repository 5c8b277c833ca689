#pragma once

#include <windows.h>

#include "toolkit/control.h"
#include "toolkit/hot_key.h"

// Raises a key event for the key of a key message; false when the handler
// cleared the key, so the control's own handling is skipped.
bool RaiseKey(const TKeyEvent& event, TComponent* sender, WPARAM wParam);
