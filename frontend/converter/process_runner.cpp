#include "frontend/converter/process_runner.h"

#include <algorithm>

#include "toolkit/unique_handle.h"

namespace {

constexpr DWORD kStartFlags =
    STARTF_USESHOWWINDOW | STARTF_USESIZE | STARTF_USEPOSITION | STARTF_USEFILLATTRIBUTE;
// Blue text on a bright white background.
constexpr DWORD kConsoleColours =
    BACKGROUND_INTENSITY | BACKGROUND_RED | BACKGROUND_GREEN | BACKGROUND_BLUE | FOREGROUND_BLUE;
constexpr DWORD kStoppedExitCode = 1;
// How long stopped processes may take to go, and how often we look.
constexpr DWORD kGoingMilliseconds = 5000;
constexpr DWORD kGoingPollMilliseconds = 10;
// The end of a wait that the caller gave up; no wait on a process returns
// this value itself.
constexpr DWORD kCallerStopped = WAIT_ABANDONED;

std::wstring Quoted(const std::wstring& program) {
  if (program.empty() || program.front() == L'"') return program;
  return L'"' + program + L'"';
}

// The folder part of the program path, with its last separator; empty when
// the path has none. A caller's opening quote is not part of it.
std::wstring ProgramFolder(const std::wstring& program) {
  const size_t first = !program.empty() && program.front() == L'"' ? 1 : 0;
  const size_t last = program.find_last_of(L"\\/:");
  if (last == std::wstring::npos || last < first) return {};
  return program.substr(first, last + 1 - first);
}

STARTUPINFOW ConsoleStartup(bool hide, DWORD left, DWORD top, DWORD width, DWORD height) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = kStartFlags;
  startup.wShowWindow = hide ? SW_HIDE : SW_SHOWNORMAL;
  startup.dwX = left;
  startup.dwY = top;
  startup.dwXSize = width;
  startup.dwYSize = height;
  startup.dwFillAttribute = kConsoleColours;
  return startup;
}

// What is left of `milliseconds` counted from `started`.
DWORD Remaining(ULONGLONG started, DWORD milliseconds) {
  const ULONGLONG spent = GetTickCount64() - started;
  return spent < milliseconds ? static_cast<DWORD>(milliseconds - spent) : 0;
}

// A job that holds the child and everything it starts, so that stopping the
// child stops them all, and so that none outlives us should we go while
// waiting. Where Windows refuses the job (a parent job without nesting), the
// child runs outside it and only the child itself can be stopped.
class ChildJob {
 public:
  ChildJob() : job_(CreateJobObjectW(nullptr, nullptr)) { SetKillOnClose(true); }

  void Adopt(HANDLE process) { adopted_ = job_ && AssignProcessToJobObject(job_.Get(), process); }

  // Stops the child and whatever it started, and waits a few seconds at
  // most for them to have gone, so that the files they held are free.
  void Stop(HANDLE process) {
    const ULONGLONG started = GetTickCount64();
    if (!adopted_ || !TerminateJobObject(job_.Get(), kStoppedExitCode))
      TerminateProcess(process, kStoppedExitCode);
    else
      WaitUntilEmpty(started);
    WaitForSingleObject(process, Remaining(started, kGoingMilliseconds));
  }

  // Lets the processes run on once the job handle is closed.
  void Release() { SetKillOnClose(false); }

  // Whether a process the child started still runs in the job; false when
  // the job holds nothing or cannot be asked.
  bool Busy() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    return adopted_ &&
           QueryInformationJobObject(job_.Get(), JobObjectBasicAccountingInformation, &accounting,
                                     sizeof(accounting), nullptr) &&
           accounting.ActiveProcesses > 0;
  }

 private:
  void WaitUntilEmpty(ULONGLONG started) const {
    while (Busy() && Remaining(started, kGoingMilliseconds) > 0) Sleep(kGoingPollMilliseconds);
  }

  void SetKillOnClose(bool kill) {
    if (!job_) return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = kill ? JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE : 0;
    SetInformationJobObject(job_.Get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits));
  }

  KernelHandle job_;
  bool adopted_ = false;
};

struct Child {
  KernelHandle process;
  KernelHandle thread;
};

// Creates the process suspended, puts it into the job, then lets it run.
// Returns the system's error code when that fails, otherwise ERROR_SUCCESS.
DWORD StartChild(std::wstring commandLine, const std::wstring& folder, STARTUPINFOW& startup,
                 ChildJob& job, Child& child) {
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                      NORMAL_PRIORITY_CLASS | CREATE_SUSPENDED, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info))
    return GetLastError();
  child.process.Reset(info.hProcess);
  child.thread.Reset(info.hThread);
  job.Adopt(info.hProcess);
  if (ResumeThread(info.hThread) != static_cast<DWORD>(-1)) return ERROR_SUCCESS;
  const DWORD error = GetLastError();
  job.Stop(info.hProcess);
  return error;
}

// Waits for the process's end, at most `milliseconds`, letting window
// messages through; ends early with kCallerStopped when whileWaiting says so.
DWORD WaitForEnd(HANDLE process, DWORD milliseconds, const TWhileWaiting& whileWaiting) {
  const ULONGLONG started = GetTickCount64();
  for (;;) {
    const DWORD left = Remaining(started, milliseconds);
    const DWORD woken = MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT);
    if (woken != WAIT_OBJECT_0 + 1) return woken;
    // Once the time is up, messages no longer put the end off.
    if (left == 0) return WAIT_TIMEOUT;
    if (!whileWaiting()) return kCallerStopped;
  }
}

// Once a launcher has ended, waits for what it started and left running in
// the job, at most `milliseconds`, letting window messages through; ends
// early with kCallerStopped when whileWaiting says so.
DWORD WaitUntilJobEmpty(const ChildJob& job, DWORD milliseconds,
                        const TWhileWaiting& whileWaiting) {
  const ULONGLONG started = GetTickCount64();
  while (job.Busy()) {
    const DWORD left = Remaining(started, milliseconds);
    if (left == 0) return WAIT_TIMEOUT;
    const DWORD woken = MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                                  std::min(left, kGoingPollMilliseconds),
                                                  QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0 && !whileWaiting()) return kCallerStopped;
  }
  return WAIT_OBJECT_0;
}

// Waits until the process is idle for input. A console program has no
// message queue, so the idle wait fails at once; then waits for its end
// within what is left of the time.
DWORD WaitUntilIdle(HANDLE process, DWORD milliseconds) {
  const ULONGLONG started = GetTickCount64();
  const DWORD idle = WaitForInputIdle(process, milliseconds);
  if (idle != WAIT_FAILED) return idle;
  return WaitForSingleObject(process, Remaining(started, milliseconds));
}

// A caller that lets messages through waits for the program's end whatever
// the time-out's sign, and then for whatever it left running: an idle
// program is not yet done, and a launcher may end before its converter.
DWORD Wait(HANDLE process, const ChildJob& job, int timeout, const TWhileWaiting& whileWaiting) {
  const auto milliseconds = static_cast<DWORD>(timeout < 0 ? -static_cast<long long>(timeout)
                                                           : timeout);
  if (!whileWaiting) {
    return timeout > 0 ? WaitForSingleObject(process, milliseconds)
                       : WaitUntilIdle(process, milliseconds);
  }
  const ULONGLONG started = GetTickCount64();
  const DWORD ended = WaitForEnd(process, milliseconds, whileWaiting);
  if (ended != WAIT_OBJECT_0) return ended;
  return WaitUntilJobEmpty(job, Remaining(started, milliseconds), whileWaiting);
}

}  // namespace

bool ExecuteCommandLine(const std::wstring& commandLine, const std::wstring& folder, int timeout,
                        bool hide, DWORD& exitCode, DWORD left, DWORD top, DWORD width,
                        DWORD height, bool* timedOut, DWORD* startError,
                        const TWhileWaiting& whileWaiting) {
  exitCode = 0;
  if (timedOut) *timedOut = false;
  STARTUPINFOW startup = ConsoleStartup(hide, left, top, width, height);
  ChildJob job;
  Child child;
  const DWORD error = StartChild(commandLine, folder, startup, job, child);
  if (startError) *startError = error;
  if (error != ERROR_SUCCESS) return false;
  if (timeout == 0) {
    job.Release();
    return true;
  }
  const DWORD waited = Wait(child.process.Get(), job, timeout, whileWaiting);
  const bool done = waited == WAIT_OBJECT_0;
  if (done)
    job.Release();
  else
    job.Stop(child.process.Get());
  if (timedOut) *timedOut = waited == WAIT_TIMEOUT;
  GetExitCodeProcess(child.process.Get(), &exitCode);
  return done;
}

bool ExecuteAndWait(const std::wstring& program, const std::wstring& parameters, int timeout,
                    bool hide, DWORD& exitCode, DWORD left, DWORD top, DWORD width, DWORD height,
                    bool* timedOut, DWORD* startError) {
  return ExecuteCommandLine(Quoted(program) + L' ' + parameters, ProgramFolder(program), timeout,
                            hide, exitCode, left, top, width, height, timedOut, startError);
}
