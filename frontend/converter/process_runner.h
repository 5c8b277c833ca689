#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Starts `program` (a path without quotes; ".exe" may be left off) with
// `parameters` in the program's own folder, its console window hidden or
// placed at left, top, width, height, and waits for it:
//   timeout > 0   at most that many milliseconds for its end;
//   timeout < 0   at most -timeout milliseconds until it is idle waiting for
//                 input, or, for a console program, which never is, for its
//                 end;
//   timeout == 0  not at all; the program runs on.
// A program still running when the wait runs out (or fails) is stopped,
// together with whatever it started, with exit code 1, and given a few
// seconds at most to go, so that the files it held are free again.
//
// exitCode is 0 unless a wait took place; then it is what Windows reports
// right after it: the program's exit code, or STILL_ACTIVE (259) for one
// that runs on or had not gone within those seconds after being stopped.
// Returns true when the program started and no wait ran out or failed.
// timedOut, when given, tells whether the wait ran out; startError, when
// given, receives the system's error code when the program could not be
// started (ERROR_FILE_NOT_FOUND, ERROR_BAD_EXE_FORMAT, ...), otherwise
// ERROR_SUCCESS.
bool ExecuteAndWait(const std::wstring& program, const std::wstring& parameters, int timeout,
                    bool hide, DWORD& exitCode, DWORD left, DWORD top, DWORD width, DWORD height,
                    bool* timedOut = nullptr, DWORD* startError = nullptr);

// Called whenever window messages arrive while the runner waits for a
// program's end: lets them through, and returns false when the program is
// to be stopped after all.
using TWhileWaiting = std::function<bool()>;

// As ExecuteAndWait, for a whole command line run in `folder`; the caller
// quotes the program's path where it holds blanks. With whileWaiting, the
// wait for the program's end lets window messages through; the time-out
// still counts from the start, and is kept as soon as whileWaiting returns.
// A negative time-out then gives the program as long to end as its
// absolute value: a program idle for input, such as a windowed DOS
// launcher, is not done until it has ended. Nor is a program that has ended
// while what it started still runs (a launcher that hands its converter on):
// the wait goes on, within the same time, until none of them runs.
// A program that whileWaiting stops is stopped with whatever it started; the
// result is then false, and the wait did not run out.
bool ExecuteCommandLine(const std::wstring& commandLine, const std::wstring& folder, int timeout,
                        bool hide, DWORD& exitCode, DWORD left, DWORD top, DWORD width,
                        DWORD height, bool* timedOut = nullptr, DWORD* startError = nullptr,
                        const TWhileWaiting& whileWaiting = {});
