#pragma once

#include <windows.h>

// Lets window messages through until none is pending and nothing waits to
// be painted: the window is idle.
void PumpUntilIdle();
