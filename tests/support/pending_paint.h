#pragma once

#include "toolkit/control.h"

// Whether part of the control waits to be painted.
inline bool PendingPaint(const TControl& control) {
  return GetUpdateRect(control.Handle(), nullptr, FALSE) != FALSE;
}
