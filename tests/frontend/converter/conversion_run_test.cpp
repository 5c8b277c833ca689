#include "frontend/converter/conversion_queue.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "frontend/converter/settings.h"
#include "tests/support/temp_dir.h"
#include "tests/support/variable.h"
#include "toolkit/exception.h"
#include "toolkit/unique_handle.h"

namespace {

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
  void CommandStarted(size_t index) override { Event(L"<started> ", index); }
  void CommandEnded(size_t index, bool passed) override {
    Event(passed ? L"<passed> " : L"<failed> ", index);
  }
  void ResultAccepted(size_t, const std::wstring& name) override {
    lines.push_back(L"<accepted> " + name);
  }
  void ConvertedRemoved(const std::wstring& name) override {
    lines.push_back(L"<removed> " + name);
  }
  bool AcceptEmulator(const std::wstring&) override { return false; }

  std::vector<std::wstring> lines;
  std::function<void()> whileWaiting;

 private:
  void Event(const wchar_t* name, size_t index) { lines.push_back(name + std::to_wstring(index)); }
};

// The stand-in converter in a program directory, and plane.MDL in a model
// folder; one run of the commands asked for, without a window.
class ConversionRunTest : public testing::Test {
 protected:
  ConversionRunTest() {
    for (const wchar_t* program : {L"tarn.exe", L"rtm.exe"})
      CopyFileW((BuildFolder() + L"\\" + program).c_str(), (dir / program).c_str(), FALSE);
    for (const wchar_t* name : {L"tarn.ini", L"dictguid.txt"}) WriteFileBytes(dir / name, "");
    CreateDirectoryW(models.c_str(), nullptr);
    WriteFileBytes(Model(L"plane.MDL"), kModel);
    request.programDir = dir.Path();
  }

  std::wstring Model(const wchar_t* name) const { return models + L"\\" + name; }
  // Runs the commands in a queue of plane.MDL alone; true when it passed.
  bool Run(const char* letters, Recorder& recorder) {
    for (const char* letter = letters; *letter; ++letter)
      request.commands[CommandIndex(*CommandByLetter(*letter))] = true;
    queue = std::make_unique<TConversionQueue>(std::vector{Model(L"plane.MDL")}, launch, recorder);
    return queue->Run(request);
  }
  bool Run(const char* letters) { return Run(letters, report); }
  const TQueueEntry& Entry() const { return queue->Entries()[0]; }
  std::vector<std::string> ConverterRuns() const { return FileLines(dir / L"CONVERT.LOG"); }

  TempDir dir;
  std::wstring models = dir / L"models";
  TRunRequest request;
  TConverterLaunch launch;
  Recorder report;
  std::unique_ptr<TConversionQueue> queue;
};

// A press with no command writes the settings, replaces the working copy
// and logs the file; it passes.
TEST_F(ConversionRunTest, NoCommandStillWritesTheSettingsAndTheWorkingCopy) {
  request.sizeRadius = 12;
  request.power = 250;
  request.specular = L"0.3";
  EXPECT_TRUE(Run(""));
  EXPECT_EQ(report.lines, (std::vector<std::wstring>{
                              L"<model> " + Model(L"plane.MDL"),
                              L"Convert Aircraft model file: plane.MDL ",
                              L"File size : " + std::to_wstring(kModel.size()) + L" bytes",
                              L"Conversion may take several minutes", L"Conversion starting..",
                              L""}));
  EXPECT_EQ(ReadFileBytes(dir / L"CONVERT.MD"), kModel);
  const TIniFile ini(dir / L"tarn.ini");
  EXPECT_EQ(ini.ReadInteger(kModelSection, kSizeRadiusKey, 0), 12);
  EXPECT_EQ(ini.ReadInteger(kMaterialSection, kPowerKey, 0), 250);
  for (const wchar_t* key : {kSpecularRKey, kSpecularGKey, kSpecularBKey})
    EXPECT_EQ(ini.ReadString(kMaterialSection, key, L""), L"0.3") << key;
  EXPECT_TRUE(ConverterRuns().empty());
}

// Each command works on the result of the one before; each result becomes
// the working copy and a converted file beside the model, which itself is
// never written. The first result to pass removes the earlier converted
// files the run does not make again.
TEST_F(ConversionRunTest, TheChainWorksOnEachResultInTurn) {
  WriteFileBytes(Model(L"plane.MD2"), "old cfs2");
  EXPECT_TRUE(Run("ftz"));
  std::vector<std::wstring> events;
  for (const std::wstring& line : report.lines)
    if (line[0] == L'<' && line.rfind(L"<model>", 0) != 0) events.push_back(line);
  EXPECT_EQ(events, (std::vector<std::wstring>{
                        L"<started> 0", L"<passed> 0", L"<removed> plane.MD2",
                        L"<removed> plane.MDS", L"<removed> plane.MDR", L"<accepted> plane.MD8",
                        L"<started> 2", L"<passed> 2", L"<accepted> plane.MDT", L"<started> 5",
                        L"<passed> 5", L"<accepted> plane.MDZ"}));
  EXPECT_FALSE(FileExists(Model(L"plane.MD2")));
  const std::string size = ReadFileBytes(Model(L"plane.MDZ"));
  EXPECT_LT(size.find("/f CONVERT.MD"), size.find("/t CONVERT.MD"));
  EXPECT_LT(size.find("/t CONVERT.MD"), size.find("/z CONVERT.MD"));
  EXPECT_EQ(ReadFileBytes(dir / L"CONVERT.MD"), size);
  EXPECT_EQ(ReadFileBytes(Model(L"plane.MDL")), kModel);
}

// Each way a command fails ends the run with its cause first, takes no
// result and leaves the model's earlier converted files as they were. A
// result left from before that cannot be removed would pass for the new
// result of a converter that writes none: the converter is not started.
TEST_F(ConversionRunTest, EachFailureEndsTheRunAndSaysWhy) {
  WriteFileBytes(Model(L"plane.MD2"), "old cfs2");
  const struct {
    const wchar_t* variable;
    const wchar_t* value;
    std::wstring cause;
    size_t runs;
  } cases[] = {
      {L"TARN_STANDIN_EXIT_CODE", L"4", L"TARN ended with exit code 4", 1},
      {L"TARN_STANDIN_NO_RESULT", L"1", L"TARN ended without writing CONVERT.MD8", 1},
      {L"TARN_STANDIN_RESULT_THEN_EXIT", L"3", L"TARN ended with exit code 3", 1},
      {L"TARN_STANDIN_NO_RESULT", L"1",
       L"TARN was not started: the earlier CONVERT.MD8 cannot be removed. " +
           ErrorText(ERROR_SHARING_VIOLATION),
       0}};
  for (const auto& c : cases) {
    DeleteFileW((dir / L"CONVERT.LOG").c_str());
    const bool locked = c.runs == 0;
    if (locked) WriteFileBytes(dir / L"CONVERT.MD8", "earlier");
    const KernelHandle holder(locked ? CreateFileW((dir / L"CONVERT.MD8").c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                                   nullptr)
                                     : INVALID_HANDLE_VALUE);
    const Variable set(c.variable, c.value);
    Recorder recorder;
    EXPECT_FALSE(Run("fc", recorder));
    EXPECT_EQ(Entry().state, TQueueEntry::TState::qsFailed);
    EXPECT_EQ(Entry().reason, c.cause);
    const std::vector<std::wstring> end(recorder.lines.end() - 5, recorder.lines.end());
    EXPECT_EQ(end, (std::vector<std::wstring>{L"<failed> 0", c.cause,
                                              L"Conversion failed,  aborted",
                                              L"Try converting directly to CFS2", L""}));
    EXPECT_EQ(ConverterRuns().size(), c.runs);
    EXPECT_FALSE(FileExists(Model(L"plane.MD8")));
    EXPECT_EQ(ReadFileBytes(Model(L"plane.MD2")), "old cfs2");
  }
}

// The converter outliving the time-out is stopped and has let go of the
// working copy by the end of the run; the log ends with the time-out.
TEST_F(ConversionRunTest, AConverterOutlivingTheTimeOutIsStopped) {
  request.timeout = 1500;
  const Variable hold(L"TARN_STANDIN_HOLD_MS", L"120000");
  const DWORD started = GetTickCount();
  EXPECT_FALSE(Run("s"));
  EXPECT_LT(GetTickCount() - started, 100000u);
  EXPECT_TRUE(queue->TimedOut());
  const std::vector<std::wstring> end(report.lines.end() - 4, report.lines.end());
  EXPECT_EQ(end, (std::vector<std::wstring>{L"TARN was stopped: it ran past its time-out",
                                            L"Conversion failed,  aborted", L"",
                                            L"Program terminated due to DOS process timeout"}));
  const KernelHandle free(CreateFileW((dir / L"CONVERT.MD").c_str(), GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
  EXPECT_TRUE(free);
}

// A stop asked for before the run leaves the converter unstarted; one
// while it works ends it, and its result is not taken; earlier converted
// files stay. A second Run from a message the queue lets through starts
// nothing, and nor does one after.
TEST_F(ConversionRunTest, AStopEndsTheRunAndNothingStartsASecond) {
  WriteFileBytes(Model(L"plane.MDZ"), "old size");
  request.commands[5] = true;
  TConversionQueue early({Model(L"plane.MDL")}, launch, report);
  early.RequestStop();
  EXPECT_FALSE(early.Run(request));
  EXPECT_EQ(early.Entries()[0].state, TQueueEntry::TState::qsStopped);
  EXPECT_TRUE(ConverterRuns().empty());

  const Variable sleep(L"TARN_STANDIN_SLEEP_MS", L"60000");
  bool reentered = true;
  int wakes = 0;
  // The first wake after the start line is the run's own, before the
  // converter starts; the timer's are the wait's.
  report.whileWaiting = [&] {
    if (report.lines.back() != L"Start set model size (MDZ)" || ++wakes < 3) return;
    reentered = queue->Run(request);
    queue->RequestStop();
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
  const DWORD started = GetTickCount();
  EXPECT_FALSE(Run("z"));
  KillTimer(nullptr, timer);
  EXPECT_LT(GetTickCount() - started, 30000u);
  EXPECT_GE(wakes, 3);
  EXPECT_FALSE(reentered);
  EXPECT_EQ(report.lines[report.lines.size() - 2], L"Conversion stopped by the user");
  EXPECT_EQ(Entry().state, TQueueEntry::TState::qsStopped);
  EXPECT_EQ(ReadFileBytes(Model(L"plane.MDZ")), "old size");
  EXPECT_FALSE(queue->Run(request));
}

}  // namespace
