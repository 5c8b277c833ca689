// Times one converter command through the real process runner and command
// line (the stand-in converter, built one folder up beside zh_tarn.exe;
// /f CONVERT.MD, console hidden) against a bare CreateProcessW of the same command line
// and a wait for its end.
#include <windows.h>

#include <functional>
#include <string>

#include "bench/bench_files.h"
#include "bench/bench_runs.h"
#include "frontend/converter/converter_commands.h"
#include "frontend/converter/process_runner.h"
#include "toolkit/exception.h"

namespace {

constexpr int kTimeout = 60000;

// The least a command needs: the process made and waited for.
DWORD BareCommand(const std::wstring& folder, const ConverterCommand& command) {
  std::wstring line = ConverterCommandLine(folder, command, false);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                      nullptr, folder.c_str(), &startup, &info))
    throw Exception(L"Cannot start " + line + L": " + LastErrorText());
  WaitForSingleObject(info.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(info.hProcess, &exitCode);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return exitCode;
}

// The seconds one run of the command took; a failed run ends the benchmark.
double TimedCommand(const wchar_t* side, const std::function<DWORD()>& run) {
  DWORD exitCode = 1;
  const double seconds = Seconds([&] { exitCode = run(); });
  if (exitCode != 0) throw Exception(std::wstring(side) + L": the converter failed");
  return seconds;
}

int Run() {
  const TempFolder folder(L"zh_command_bench_");
  CopyStandIn(folder.Path());
  WriteBytes(folder / L"tarn.ini", "[ZH_TARN]\r\nDosTimeout=5\r\n");
  WriteBytes(folder / L"dictguid.txt", "");
  WriteBytes(folder / kWorkingCopyName, std::string(64 * 1024, 'm'));
  const ConverterCommand& command = ConverterCommands()[0];

  // Under Wine a process start takes one of two times, about 18 or 42 ms
  // here, on both sides alike; a median holds still only over many runs.

  const Timings timings = Interleave(
      [&] {
        return TimedCommand(L"the process runner", [&] {
          DWORD exitCode = 1;
          ExecuteAndWait(ConverterProgram(folder.Path()), ConverterParameters(command, false),
                         kTimeout, true, exitCode, 0, 0, 640, 480);
          return exitCode;
        });
      },
      [&] {
        return TimedCommand(L"the bare start", [&] { return BareCommand(folder.Path(), command); });
      },
      {81, 60});
  Report("one command (f)", timings, 1.1);
  return 0;
}

}  // namespace

int wmain() { return BenchMain("command benchmark", Run); }
