#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "frontend/converter/converter_commands.h"
#include "frontend/converter/process_runner.h"
#include "tests/support/process_watch.h"
#include "tests/support/start_retry.h"
#include "tests/support/temp_dir.h"
#include "tests/support/variable.h"

namespace {

struct Outcome {
  DWORD exitCode = 0;
  bool timedOut = false;
};

// A program directory, with a space in its name, holding the built stand-in,
// a settings file and a working copy.
class TarnStandinTest : public testing::Test {
 protected:
  TarnStandinTest() {
    CreateDirectoryW(programDir.c_str(), nullptr);
    CopyFileW((BuildFolder() + L"\\tarn.exe").c_str(), File(L"tarn.exe").c_str(), FALSE);
    WriteFileBytes(File(L"tarn.ini"),
                   "[MDLH_SECTION]\r\nsize_radius=7\r\n[BGL_MATERIAL_LIST]\r\npower=120\r\n"
                   "specular_r=0.3\r\nspecular_g=0.3\r\nspecular_b=0.3\r\n");
    WriteFileBytes(File(kWorkingCopyName), input);
  }

  std::wstring File(const std::wstring& name) const { return programDir + L"\\" + name; }

  Outcome Start(const std::wstring& parameters, int timeout = 20000, bool hide = true) const {
    Outcome run;
    RetryFailedStart([&] {
      DWORD startError = ERROR_SUCCESS;
      ExecuteAndWait(ConverterProgram(programDir), parameters, timeout, hide, run.exitCode, 10,
                     20, 300, 200, &run.timedOut, &startError);
      return startError;
    });
    return run;
  }

  Outcome Start(const ConverterCommand& command) const {
    return Start(ConverterParameters(command, false));
  }

  bool AnyResult() const {
    for (const ConverterCommand& command : ConverterCommands())
      if (FileExists(File(ResultFileName(command)))) return true;
    return false;
  }

  std::string Log() const { return ReadFileBytes(File(kConverterLogName)); }

  TempDir dir;
  const std::wstring programDir = dir / L"Tarn Dir";
  const std::string input = std::string("SAMPLE MODEL\0\x01\xff bytes", 20);
  const ConverterCommand& zCommand = ConverterCommands().back();
};

TEST_F(TarnStandinTest, EveryCommandWritesItsResultAndLogsTheSettings) {
  size_t runs = 0;
  for (const ConverterCommand& command : ConverterCommands()) {
    for (const bool withOperator : {false, true}) {
      const std::wstring parameters = ConverterParameters(command, withOperator);
      const std::string narrow(parameters.begin(), parameters.end());
      const std::wstring result = File(ResultFileName(command));
      DeleteFileW(result.c_str());
      EXPECT_EQ(Start(parameters).exitCode, 0u) << narrow;

      const std::string written = ReadFileBytes(result);
      EXPECT_EQ(written.substr(0, input.size()), input) << narrow;
      EXPECT_NE(written.find(narrow + ";", input.size()), std::string::npos) << narrow;
      EXPECT_NE(written.find("converts nothing", input.size()), std::string::npos) << narrow;

      const std::string log = Log();
      const std::string lastLine = log.substr(log.rfind('\n', log.size() - 2) + 1);
      EXPECT_NE(lastLine.find("converts nothing): " + narrow +
                              "; size_radius=7 power=120 specular_r=0.3"),
                std::string::npos)
          << lastLine;
      ++runs;
    }
  }
  const std::string log = Log();
  EXPECT_EQ(static_cast<size_t>(std::count(log.begin(), log.end(), '\n')), runs);
}

TEST_F(TarnStandinTest, AnyOtherCommandLineIsRefused) {
  for (const wchar_t* parameters :
       {L"", L"/x CONVERT.MD", L"/f CONVERT.MD d", L"/t CONVERT.MD k", L"/f convert.md",
        L"/f CONVERT.MD  k", L"/f CONVERT.MD k ", L"/c CONVERT.MD f", L"/fCONVERT.MD"}) {
    EXPECT_EQ(Start(parameters).exitCode, 2u) << std::wstring(parameters).size();
  }
  EXPECT_FALSE(AnyResult());
  EXPECT_FALSE(FileExists(File(kConverterLogName)));
}

TEST_F(TarnStandinTest, AMissingWorkingCopyFails) {
  DeleteFileW(File(kWorkingCopyName).c_str());
  EXPECT_EQ(Start(zCommand).exitCode, 3u);
  EXPECT_FALSE(AnyResult());
  EXPECT_NE(Log().find("no CONVERT.MD"), std::string::npos);
}

TEST_F(TarnStandinTest, TheFailureVariablesDoWhatTheySay) {
  struct Case {
    const wchar_t* variable;
    const wchar_t* value;
    DWORD exitCode;
    bool writesResult;
  };
  for (const Case& c : {Case{L"TARN_STANDIN_EXIT_CODE", L"5", 5, false},
                        Case{L"TARN_STANDIN_NO_RESULT", L"1", 0, false},
                        Case{L"TARN_STANDIN_RESULT_THEN_EXIT", L"4", 4, true}}) {
    const Variable set(c.variable, c.value);
    EXPECT_EQ(Start(zCommand).exitCode, c.exitCode) << c.variable;
    EXPECT_EQ(FileExists(File(ResultFileName(zCommand))), c.writesResult) << c.variable;
    EXPECT_EQ(AnyResult(), c.writesResult) << c.variable;
  }
}

// The stand-in and the sleeping copy it starts both outlive the time-out;
// the runner stops both.
TEST_F(TarnStandinTest, ASleepingStandinAndItsCopyAreStoppedByTheTimeOut) {
  const Variable sleep(L"TARN_STANDIN_SLEEP_MS", L"60000");
  const Variable grandchild(L"TARN_STANDIN_GRANDCHILD_MS", L"60000");
  const Outcome run = Start(ConverterParameters(zCommand, false), 2000);
  EXPECT_TRUE(run.timedOut);
  EXPECT_FALSE(AnyResult());

  const std::string log = Log();
  const size_t at = log.find("process ");
  ASSERT_NE(at, std::string::npos) << log;
  const DWORD pid = std::stoul(log.substr(at + 8));
  ASSERT_NE(pid, 0u);
  EXPECT_TRUE(ProcessWatch(pid).EndsWithin(5000));
}

TEST_F(TarnStandinTest, ReportsHowItWasStarted) {
  const std::wstring report = dir / L"startup.txt";
  const Variable variable(L"TARN_STANDIN_STARTUP_REPORT", report.c_str());
  EXPECT_EQ(Start(ConverterParameters(zCommand, false), 20000, false).exitCode, 0u);
  const std::string folder(programDir.begin(), programDir.end());
  EXPECT_EQ(ReadFileBytes(report),
            "23 1 10 20 300 200 241 \r\n" + folder + "\r\n\"" + folder + "\\TARN\" /z CONVERT.MD");
}

}  // namespace
