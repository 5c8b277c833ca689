#include "frontend/converter/conversion_queue.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "frontend/converter/settings.h"
#include "tests/support/temp_dir.h"
#include "toolkit/exception.h"
#include "toolkit/unique_handle.h"

namespace {

// An environment variable set for the stand-in converter while it lives.
class Variable {
 public:
  Variable(const wchar_t* name, const wchar_t* value) : name_(name) {
    SetEnvironmentVariableW(name, value);
  }
  Variable(const Variable&) = delete;
  Variable& operator=(const Variable&) = delete;
  ~Variable() { SetEnvironmentVariableW(name_, nullptr); }

 private:
  const wchar_t* name_;
};

const std::string kModel = "SAMPLE MODEL\r\n";

// Writes down what the run tells, as one list of lines: the log as it is,
// and each event as "<event> <index or name>".
class Recorder : public TQueueReport {
 public:
  void LogLine(const std::wstring& line) override { lines.push_back(line); }
  void LetMessagesThrough() override {
    PumpMessages();
    if (whileWaiting) whileWaiting();
  }
  void ModelStarted(const std::wstring& path) override { lines.push_back(L"<model> " + path); }
  void CommandStarted(size_t index) override {
    lines.push_back(L"<started> " + std::to_wstring(index));
  }
  void CommandEnded(size_t index, bool passed) override {
    lines.push_back(std::wstring(passed ? L"<passed> " : L"<failed> ") + std::to_wstring(index));
  }
  void ResultAccepted(size_t, const std::wstring& name) override {
    lines.push_back(L"<accepted> " + name);
  }
  void ConvertedRemoved(const std::wstring& name) override { lines.push_back(L"<removed> " + name); }
  bool AcceptEmulator(const std::wstring&) override { return false; }

  std::vector<std::wstring> lines;
  std::function<void()> whileWaiting;
};

// The stand-in converter in a program directory, and plane.MDL in a model
// folder; one run of the commands ticked, without a window.
class ConversionRunTest : public testing::Test {
 protected:
  ConversionRunTest() {
    for (const wchar_t* program : {L"tarn.exe", L"rtm.exe"})
      CopyFileW((BuildFolder() + L"\\" + program).c_str(), (dir / program).c_str(), FALSE);
    for (const wchar_t* name : {L"tarn.ini", L"dictguid.txt"}) WriteFileBytes(dir / name, "");
    CreateDirectoryW(models.c_str(), nullptr);
    WriteFileBytes(model, kModel);
    request.programDir = dir.Path();
    request.specular = L"0.5";
  }

  bool Run(std::initializer_list<char> letters) {
    for (const char letter : letters) request.commands[CommandIndex(*CommandByLetter(letter))] = true;
    return queue.Run(request);
  }
  // The log lines of the run and the events between them, from the first
  // command's start on.
  std::vector<std::wstring> FromFirstCommand() const {
    auto from = report.lines.begin();
    while (from != report.lines.end() && from->rfind(L"<started>", 0) != 0) ++from;
    return {from, report.lines.end()};
  }
  std::vector<std::string> ConverterRuns() const {
    std::vector<std::string> runs;
    const std::string log = ReadFileBytes(dir / L"CONVERT.LOG");
    for (size_t start = 0, end; (end = log.find("\r\n", start)) != std::string::npos;
         start = end + 2)
      runs.push_back(log.substr(start, end - start));
    return runs;
  }
  TQueueEntry::TState State() const { return queue.Entries()[0].state; }

  TempDir dir;
  std::wstring models = dir / L"models";
  std::wstring model = models + L"\\plane.MDL";
  TRunRequest request;
  TConverterLaunch launch;
  Recorder report;
  TConversionQueue queue{{model}, launch, report};
};

// A press with no command writes the settings, replaces the working copy
// and logs the file; it passes.
TEST_F(ConversionRunTest, NoCommandStillWritesTheSettingsAndTheWorkingCopy) {
  request.sizeRadius = 12;
  request.power = 250;
  request.specular = L"0.3";
  EXPECT_TRUE(Run({}));
  EXPECT_EQ(report.lines,
            (std::vector<std::wstring>{L"<model> " + model, L"Convert Aircraft model file: plane.MDL ",
                                       L"File size : " + std::to_wstring(kModel.size()) + L" bytes",
                                       L"Conversion may take several minutes",
                                       L"Conversion starting..", L""}));
  EXPECT_EQ(ReadFileBytes(dir / L"CONVERT.MD"), kModel);
  const TIniFile ini(dir / L"tarn.ini");
  EXPECT_EQ(ini.ReadInteger(kModelSection, kSizeRadiusKey, 0), 12);
  EXPECT_EQ(ini.ReadInteger(kMaterialSection, kPowerKey, 0), 250);
  for (const wchar_t* key : {kSpecularRKey, kSpecularGKey, kSpecularBKey})
    EXPECT_EQ(ini.ReadString(kMaterialSection, key, L""), L"0.3") << key;
  EXPECT_TRUE(ConverterRuns().empty());
}

// f fails: its cause and advice are logged, c is not attempted, and the
// earlier converted files of the model stay.
TEST_F(ConversionRunTest, AFailingFEndsTheRunBeforeC) {
  WriteFileBytes(models + L"\\plane.MDZ", "old size");
  const Variable fail(L"TARN_STANDIN_EXIT_CODE", L"4");
  EXPECT_FALSE(Run({'f', 'c'}));
  EXPECT_EQ(FromFirstCommand(),
            (std::vector<std::wstring>{L"<started> 0", L"Start conversion to FS2002 (MD8)",
                                       L"<failed> 0", L"TARN ended with exit code 4",
                                       L"Conversion failed,  aborted",
                                       L"Try converting directly to CFS2", L""}));
  EXPECT_EQ(State(), TQueueEntry::TState::qsFailed);
  EXPECT_EQ(queue.Entries()[0].reason, L"TARN ended with exit code 4");
  EXPECT_EQ(ConverterRuns().size(), 1u);
  EXPECT_EQ(ReadFileBytes(models + L"\\plane.MDZ"), "old size");
}

// The first command that passes replaces the model's earlier converted
// files: those the run makes again by its results; the others are removed,
// and each is told gone.
TEST_F(ConversionRunTest, APassingCommandTakesItsResultAndRemovesStaleConvertedFiles) {
  WriteFileBytes(models + L"\\plane.MDZ", "old size");
  EXPECT_TRUE(Run({'t'}));
  EXPECT_EQ(FromFirstCommand(),
            (std::vector<std::wstring>{
                L"<started> 2", L"Start MDL animation fix (MDT)", L"<passed> 2",
                L"<removed> plane.MD8", L"<removed> plane.MD2", L"<removed> plane.MDS",
                L"<removed> plane.MDR", L"<removed> plane.MDZ", L"Conversion sucsessfull", L"CFS2 aircraft model complete!",
                L"Save MDT-file to \"Aircraft\"\\model\\MDL-file", L"Start CFS2 and check the result.",
                L"<accepted> plane.MDT", L"", L"Read Help file for hints on visual appearance", L"",
                L""}));
  EXPECT_FALSE(FileExists(models + L"\\plane.MDZ"));
  const std::string fix = ReadFileBytes(models + L"\\plane.MDT");
  EXPECT_EQ(fix.substr(0, kModel.size()), kModel);
  EXPECT_EQ(ReadFileBytes(dir / L"CONVERT.MD"), fix);
  EXPECT_EQ(ReadFileBytes(model), kModel);
}

// Exit code 0 without the result, and the result with an exit code, both
// fail, each saying which was missing.
TEST_F(ConversionRunTest, SuccessNeedsBothExitCodeZeroAndTheResult) {
  const struct {
    const wchar_t* variable;
    const wchar_t* value;
    const wchar_t* cause;
  } cases[] = {{L"TARN_STANDIN_NO_RESULT", L"1", L"TARN ended without writing CONVERT.MDZ"},
               {L"TARN_STANDIN_RESULT_THEN_EXIT", L"3", L"TARN ended with exit code 3"}};
  request.commands[5] = true;
  for (const auto& c : cases) {
    const Variable set(c.variable, c.value);
    Recorder recorded;
    TConversionQueue once({model}, launch, recorded);
    EXPECT_FALSE(once.Run(request));
    EXPECT_EQ(once.Entries()[0].reason, c.cause);
    EXPECT_FALSE(FileExists(models + L"\\plane.MDZ"));
  }
  EXPECT_TRUE(FileExists(dir / L"CONVERT.MDZ"));
}

// The converter outliving the time-out is stopped and has let go of the
// working copy by the end of the run; the log ends with the time-out.
TEST_F(ConversionRunTest, AConverterOutlivingTheTimeOutIsStopped) {
  request.timeout = 1500;
  const Variable hold(L"TARN_STANDIN_HOLD_MS", L"120000");
  const DWORD started = GetTickCount();
  EXPECT_FALSE(Run({'s'}));
  EXPECT_LT(GetTickCount() - started, 100000u);
  EXPECT_TRUE(queue.TimedOut());
  EXPECT_EQ(FromFirstCommand(),
            (std::vector<std::wstring>{L"<started> 3", L"Start set model shining (MDS)",
                                       L"<failed> 3", L"TARN was stopped: it ran past its time-out",
                                       L"Conversion failed,  aborted", L"",
                                       L"Program terminated due to DOS process timeout"}));
  EXPECT_FALSE(FileExists(dir / L"CONVERT.MDS"));
  const KernelHandle free(CreateFileW((dir / L"CONVERT.MD").c_str(), GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
  EXPECT_TRUE(free);
}

// A result left from before that cannot be removed would pass for the new
// result of a converter that writes none: the converter is not started.
TEST_F(ConversionRunTest, AnEarlierResultThatCannotBeRemovedFailsTheCommand) {
  WriteFileBytes(dir / L"CONVERT.MDZ", "earlier");
  const KernelHandle holder(CreateFileW((dir / L"CONVERT.MDZ").c_str(), GENERIC_READ,
                                        FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  const Variable noResult(L"TARN_STANDIN_NO_RESULT", L"1");
  EXPECT_FALSE(Run({'z'}));
  EXPECT_EQ(queue.Entries()[0].reason,
            L"TARN was not started: the earlier CONVERT.MDZ cannot be removed. " +
                ErrorText(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(ConverterRuns().empty());
  EXPECT_FALSE(FileExists(models + L"\\plane.MDZ"));
}

// A stop asked for before the run leaves the converter unstarted; one
// while it works ends it, and its result is not taken. A second Run from
// a message the queue lets through starts nothing, and nor does one after.
TEST_F(ConversionRunTest, AStopEndsTheRunAndNothingStartsASecond) {
  queue.RequestStop();
  EXPECT_FALSE(Run({'z'}));
  EXPECT_EQ(State(), TQueueEntry::TState::qsStopped);
  EXPECT_TRUE(ConverterRuns().empty());

  const Variable sleep(L"TARN_STANDIN_SLEEP_MS", L"60000");
  Recorder recorded;
  TConversionQueue working({model}, launch, recorded);
  bool reentered = true;
  int wakes = 0;
  // The first wake after the start line is the run's own, before the
  // converter starts; the timer's are the wait's.
  recorded.whileWaiting = [&] {
    if (recorded.lines.back() != L"Start set model size (MDZ)" || ++wakes < 3) return;
    reentered = working.Run(request);
    working.RequestStop();
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
  const DWORD started = GetTickCount();
  EXPECT_FALSE(working.Run(request));
  KillTimer(nullptr, timer);
  EXPECT_EQ(ConverterRuns().size(), 0u) << "the stopped converter logs nothing";
  EXPECT_LT(GetTickCount() - started, 30000u);
  EXPECT_FALSE(reentered);
  EXPECT_EQ(recorded.lines.back(), L"");
  EXPECT_EQ(recorded.lines[recorded.lines.size() - 2], L"Conversion stopped by the user");
  EXPECT_EQ(working.Entries()[0].state, TQueueEntry::TState::qsStopped);
  EXPECT_FALSE(FileExists(models + L"\\plane.MDZ"));
  EXPECT_FALSE(working.Run(request));
}

}  // namespace
