#include "frontend/converter/process_runner.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <sstream>
#include <vector>

#include "tests/support/process_watch.h"
#include "tests/support/start_retry.h"
#include "tests/support/temp_dir.h"
#include "toolkit/exception.h"

namespace {

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of(L'\\'));
}

std::wstring ReadText(const std::wstring& path) {
  const std::string bytes = ReadFileBytes(path);
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

// The process ids a child wrote, waiting a little for them to arrive.
std::vector<DWORD> ReadPids(const std::wstring& path, size_t expected) {
  std::vector<DWORD> pids;
  for (int tries = 0; tries < 50; ++tries) {
    std::wistringstream in(ReadText(path));
    pids.clear();
    for (DWORD pid; in >> pid;) pids.push_back(pid);
    if (pids.size() >= expected) break;
    Sleep(100);
  }
  return pids;
}

struct Outcome {
  bool result;
  DWORD exitCode;
  bool timedOut;
  DWORD elapsed;
  DWORD startError;
};

// Runs a copy of the child program that lives under a folder name with
// spaces and a non-ASCII letter, and is named without ".exe".
class ProcessRunnerTest : public testing::Test {
 protected:
  ProcessRunnerTest() : folder(dir / L"Tarn Folder \u00fc"), program(folder + L"\\child prog") {
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((OwnFolder() + L"\\runner_child.exe").c_str(), (program + L".exe").c_str(), TRUE);
  }

  static std::wstring Quote(const std::wstring& path) { return L'"' + path + L'"'; }

  Outcome RunOnce(const std::wstring& path, const std::wstring& parameters, int timeout,
                  bool hide) {
    Outcome outcome{false, 12345, true, 0, 12345};
    const DWORD started = GetTickCount();
    outcome.result = ExecuteAndWait(path, parameters, timeout, hide, outcome.exitCode, 10, 20,
                                    300, 200, &outcome.timedOut, &outcome.startError);
    outcome.elapsed = GetTickCount() - started;
    return outcome;
  }

  Outcome Run(const std::wstring& path, const std::wstring& parameters, int timeout,
              bool hide = true) {
    Outcome outcome{};
    RetryFailedStart([&] {
      outcome = RunOnce(path, parameters, timeout, hide);
      return outcome.startError;
    });
    return outcome;
  }

  TempDir dir;
  const std::wstring folder;
  const std::wstring program;
  const std::wstring report = dir / L"report.txt";
  const std::wstring pids = dir / L"pids.txt";
};

TEST_F(ProcessRunnerTest, RunsAPathWithSpacesInItsFolderWithTheGivenConsoleWindow) {
  const std::wstring expected = L"23 1 10 20 300 200 241 " + folder;
  const Outcome shown = Run(program, L"--report " + Quote(report) + L" --exit 7", 10000, false);
  EXPECT_TRUE(shown.result);
  EXPECT_EQ(shown.exitCode, 7u);
  EXPECT_FALSE(shown.timedOut);
  EXPECT_EQ(shown.startError, DWORD{ERROR_SUCCESS});
  EXPECT_EQ(Lower(ReadText(report)), Lower(expected));

  DeleteFileW(report.c_str());
  EXPECT_TRUE(Run(program, L"--report " + Quote(report), 10000, true).result);
  EXPECT_EQ(Lower(ReadText(report)), Lower(L"23 0" + expected.substr(4)));
}

TEST_F(ProcessRunnerTest, AQuotedPathIsNotQuotedAgainAndKeepsItsFolder) {
  const Outcome outcome = Run(Quote(program), L"--report " + Quote(report) + L" --exit 3", 10000);
  EXPECT_TRUE(outcome.result);
  EXPECT_EQ(outcome.exitCode, 3u);
  EXPECT_EQ(Lower(ReadText(report)), Lower(L"23 0 10 20 300 200 241 " + folder));
}

TEST_F(ProcessRunnerTest, NoWaitReturnsAtOnceAndLeavesTheProgramRunning) {
  const Outcome outcome = Run(program, L"--pid " + Quote(pids) + L" --sleep 20000", 0);
  EXPECT_TRUE(outcome.result);
  EXPECT_EQ(outcome.exitCode, 0u);
  EXPECT_FALSE(outcome.timedOut);
  EXPECT_LT(outcome.elapsed, 2000u);

  const std::vector<DWORD> started = ReadPids(pids, 1);
  ASSERT_EQ(started.size(), 1u);
  const ProcessWatch child(started[0]);
  EXPECT_FALSE(child.EndsWithin(300));
}

TEST_F(ProcessRunnerTest, AProgramOutlivingTheTimeOutIsStoppedWithWhatItStarted) {
  const Outcome outcome = Run(
      program, L"--pid " + Quote(pids) + L" --grandchild " + Quote(pids) + L" --sleep 60000", 1500);
  EXPECT_FALSE(outcome.result);
  EXPECT_TRUE(outcome.timedOut);
  EXPECT_EQ(outcome.exitCode, 1u);
  EXPECT_GE(outcome.elapsed, 1400u);
  EXPECT_LT(outcome.elapsed, 10000u);

  // Both have gone by the time the runner returns.
  const std::vector<DWORD> started = ReadPids(pids, 2);
  ASSERT_EQ(started.size(), 2u);
  EXPECT_TRUE(ProcessWatch(started[0]).EndsWithin(0));
  EXPECT_TRUE(ProcessWatch(started[1]).EndsWithin(0));
}

// A console program is never idle for input, so a negative time-out waits
// for its end instead.
TEST_F(ProcessRunnerTest, AnIdleWaitOnAConsoleProgramWaitsForItsEnd) {
  const Outcome ends = Run(program, L"--sleep 300 --exit 5", -10000);
  EXPECT_TRUE(ends.result);
  EXPECT_EQ(ends.exitCode, 5u);
  EXPECT_FALSE(ends.timedOut);

  const Outcome hangs = Run(program, L"--pid " + Quote(pids) + L" --sleep 60000", -800);
  EXPECT_FALSE(hangs.result);
  EXPECT_TRUE(hangs.timedOut);
  EXPECT_LT(hangs.elapsed, 10000u);
  const std::vector<DWORD> started = ReadPids(pids, 1);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_TRUE(ProcessWatch(started[0]).EndsWithin(5000));
}

// The system's reason comes back: a missing program, a file that is not a
// Windows program, a program in a folder that is not there.
TEST_F(ProcessRunnerTest, AProgramThatCannotStartGivesFalseExitCodeZeroAndTheReason) {
  WriteFileBytes(folder + L"\\text.exe", "not a program\r\n");
  const struct {
    std::wstring program;
    DWORD error;
  } cases[] = {{folder + L"\\no such program", ERROR_FILE_NOT_FOUND},
               {folder + L"\\text", ERROR_BAD_EXE_FORMAT},
               {dir / L"absent\\tarn", 0}};  // 0: the reason differs between systems
  for (const auto& c : cases) {
    const Outcome outcome = RunOnce(c.program, L"", 10000, true);
    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(outcome.exitCode, 0u);
    EXPECT_FALSE(outcome.timedOut);
    if (c.error)
      EXPECT_EQ(outcome.startError, c.error) << ErrorText(outcome.startError);
    else
      EXPECT_NE(outcome.startError, DWORD{ERROR_SUCCESS});
  }
}

int ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

// A timer's messages come in while the program runs: they are let through
// until the waiting side stops the program, together with what it started,
// once both have written their ids; they neither hold up the end of a
// program nor put off its time-out. A stopped program has gone, with exit
// code 1, when the wait returns.
TEST_F(ProcessRunnerTest, AWaitLetsMessagesThroughAndStopsWhenTold) {
  const struct {
    std::wstring parameters;
    int timeout;
    bool stop;
    bool result, timedOut;
    DWORD exitCode;
  } cases[] = {
      {L"--pid " + Quote(pids) + L" --grandchild " + Quote(pids) + L" --sleep 60000", 60000, true,
       false, false, 1},
      {L"--sleep 1000 --exit 5", 60000, false, true, false, 5},
      {L"--sleep 60000", 1500, false, false, true, 1},
  };
  for (const auto& c : cases) {
    DeleteFileW(pids.c_str());
    ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CountTick);
    const TWhileWaiting whileWaiting = [&] {
      PumpMessages();
      return !c.stop || ReadPids(pids, 0).size() < 2;
    };
    DWORD exitCode = 12345, startError = 12345, elapsed = 0;
    bool timedOut = true, result = false;
    RetryFailedStart([&] {
      const DWORD started = GetTickCount();
      result = ExecuteCommandLine(Quote(program + L".exe") + L' ' + c.parameters, folder,
                                  c.timeout, true, exitCode, 0, 0, 300, 200, &timedOut,
                                  &startError, whileWaiting);
      elapsed = GetTickCount() - started;
      return startError;
    });
    KillTimer(nullptr, timer);
    ASSERT_EQ(startError, DWORD{ERROR_SUCCESS}) << ErrorText(startError);
    EXPECT_EQ(result, c.result) << c.parameters;
    EXPECT_EQ(timedOut, c.timedOut) << c.parameters;
    EXPECT_EQ(exitCode, c.exitCode) << c.parameters;
    EXPECT_GT(ticks, 0) << c.parameters;
    EXPECT_LT(elapsed, 30000u) << c.parameters;
    if (c.stop) {
      const std::vector<DWORD> stopped = ReadPids(pids, 2);
      ASSERT_EQ(stopped.size(), 2u);
      for (const DWORD pid : stopped) EXPECT_TRUE(ProcessWatch(pid).EndsWithin(0)) << pid;
    }
  }
}

}  // namespace
