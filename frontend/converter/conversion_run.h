#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "frontend/converter/converter_outcome.h"
#include "frontend/converter/process_runner.h"

// What a conversion run tells, and asks, whoever drives it. Every call
// comes on the thread that runs it.
class TRunReport {
 public:
  virtual ~TRunReport() = default;
  virtual void LogLine(const std::wstring& line) = 0;
  // Lets pending window messages through; the run's fixed points, and
  // every wake of the wait for the converter, call it.
  virtual void LetMessagesThrough() = 0;
  // The command of that chain index is about to start, and has ended:
  // passed when its result was taken.
  virtual void CommandStarted(size_t index) = 0;
  virtual void CommandEnded(size_t index, bool passed) = 0;
  // The command's converted file, by name, now lies beside the selected
  // file in place of any earlier one.
  virtual void ResultAccepted(size_t index, const std::wstring& convertedName) = 0;
  // An earlier converted file that the run does not make again is gone.
  virtual void ConvertedRemoved(const std::wstring& convertedName) = 0;
  // Whether to run a DOS converter through the emulator the question names.
  virtual bool AcceptEmulator(const std::wstring& question) = 0;
};

// What runs the converter's command lines: ExecuteCommandLine, unless a
// test starts them as another Windows would.
using TCommandLineRunner = decltype(&ExecuteCommandLine);

// How the converter is started; shared by the runs of one press, so that
// an emulator is offered once and, once accepted, used by every run after.
struct TConverterLaunch {
  // The DosLauncher template, empty when the converter runs by itself.
  std::wstring dosLauncher;
  TCommandLineRunner runner = ExecuteCommandLine;
  bool emulatorOffered = false;
};

// Where the console of a converter on view lies, in screen pixels.
struct TConsolePlace {
  DWORD left = 0;
  DWORD top = 0;
  DWORD width = 0;
  DWORD height = 0;
};

// Everything one run takes, fixed when it is asked for.
struct TRunRequest {
  std::wstring programDir;
  // The file the run starts from; a model, or a converted file of one.
  std::wstring selectedPath;
  bool fromModel = true;
  // By chain index: whether the command runs, and with its operator.
  std::array<bool, 6> commands{};
  std::array<bool, 6> operators{};
  // The values written into tarn.ini before the converter runs.
  int sizeRadius = 0;
  int power = 0;
  std::wstring specular;
  // In milliseconds; a run gives the converter its absolute value to end in.
  int timeout = 300000;
  bool hideConsole = true;
  TConsolePlace console;
};

// How a run ended, and why when it did not pass: the first line that
// says so.
struct TRunResult {
  enum class TEnd { rePassed, reFailed, reStopped };
  TEnd end = TEnd::rePassed;
  std::wstring reason;
  // Whether the last converter it ran was stopped by its time-out.
  bool timedOut = false;
};

// One conversion of one file: writes the settings, copies the file to the
// working copy, runs each command on the result of the one before, and
// places each result beside the file. The first command that fails ends the
// run; so does a stop, asked for through `stop`, which ends the converter at
// work at once. Nothing the user owns is written: a converted file is
// replaced through a temporary copy, and the other converted files of a
// model go only once its first command has passed. An error that stops the
// run part-way (a refused write, a copy that fails) is raised.
class TConversionRun {
 public:
  TConversionRun(const TRunRequest& request, TConverterLaunch& launch, TRunReport& report,
                 const bool& stop);
  TConversionRun(const TConversionRun&) = delete;
  TConversionRun& operator=(const TConversionRun&) = delete;

  TRunResult Run();

 private:
  std::wstring ProgramFile(const std::wstring& name) const;
  void WriteSettings();
  void PrepareSelectedFile();
  void LogSelectedFile();
  void RunCommand(size_t index);
  std::wstring RunConverter(size_t index);
  void StartConverter(const std::wstring& commandLine);
  bool AcceptDosEmulator();
  void AcceptResult(size_t index);
  void LogFailure(size_t index, const std::wstring& commandLine);
  void RemoveStaleConverted();
  std::wstring ConvertedName(size_t index) const;

  const TRunRequest& request_;
  TConverterLaunch& launch_;
  TRunReport& report_;
  const bool& stop_;
  // How the last command's converter run went.
  TConverterOutcome outcome_;
  TRunResult result_;
  // By command, the earlier converted files beside the selected file that
  // go once the first command has passed.
  std::array<bool, 6> staleConverted_{};
};
