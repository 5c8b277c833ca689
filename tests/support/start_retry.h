#pragma once

#include <windows.h>

#include <functional>

// Under Wine on a loaded machine the start of a child has been seen to fail
// at random. Calls start, which starts a child and returns the system's
// error for its start, again while the start fails, three times at most;
// the tests that use it are about what happens once the child runs.
void RetryFailedStart(const std::function<DWORD()>& start);
