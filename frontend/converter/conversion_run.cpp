#include "frontend/converter/conversion_run.h"

#include <optional>
#include <utility>

#include "frontend/converter/converter_commands.h"
#include "frontend/converter/converter_start.h"
#include "frontend/converter/dos_emulators.h"
#include "frontend/converter/file_copy.h"
#include "frontend/converter/settings.h"
#include "toolkit/exception.h"
#include "toolkit/file_names.h"

namespace {

// The name with its extension replaced by the command's, in capitals.
std::wstring WithResultExtension(const std::wstring& name, const ConverterCommand& command) {
  return BaseNameOf(name) + L"." + command.extension;
}

// Deletes a file; returns why one that is there could not go, or
// ERROR_SUCCESS.
DWORD RemoveFile(const std::wstring& path) {
  if (DeleteFileW(path.c_str())) return ERROR_SUCCESS;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS : error;
}

}  // namespace

TConversionRun::TConversionRun(const TRunRequest& request, TConverterLaunch& launch,
                               TRunReport& report, const bool& stop)
    : request_(request), launch_(launch), report_(report), stop_(stop) {}

TRunResult TConversionRun::Run() {
  WriteSettings();
  PrepareSelectedFile();
  LogSelectedFile();
  for (size_t i = 0; i < request_.commands.size(); ++i) {
    if (request_.commands[i] && result_.end == TRunResult::TEnd::rePassed) RunCommand(i);
  }
  result_.timedOut = result_.end != TRunResult::TEnd::rePassed && outcome_.timedOut;
  if (result_.timedOut) report_.LogLine(L"Program terminated due to DOS process timeout");
  return result_;
}

std::wstring TConversionRun::ProgramFile(const std::wstring& name) const {
  return request_.programDir + L"\\" + name;
}

void TConversionRun::WriteSettings() {
  TIniFile ini(ProgramFile(L"tarn.ini"));
  ini.WriteInteger(kModelSection, kSizeRadiusKey, request_.sizeRadius);
  ini.WriteInteger(kMaterialSection, kPowerKey, request_.power);
  for (const wchar_t* key : {kSpecularRKey, kSpecularGKey, kSpecularBKey}) {
    ini.WriteString(kMaterialSection, key, request_.specular);
  }
}

// Copies the selected file to the working copy. Nothing beside the selected
// file changes yet: a command's converted file is replaced by its result,
// and the earlier ones this run does not make again go once its first
// command has passed, so a run stopped or failed before then leaves them
// all. From a model that is every one the run does not make; from a
// converted file, none (those it makes again are replaced, the others
// stay).
void TConversionRun::PrepareSelectedFile() {
  const std::wstring workingCopy = ProgramFile(kWorkingCopyName);
  DeleteFileW(workingCopy.c_str());
  FileCopy(request_.selectedPath, workingCopy);
  for (size_t i = 0; i < staleConverted_.size(); ++i) {
    staleConverted_[i] = request_.fromModel && !request_.commands[i];
  }
}

void TConversionRun::LogSelectedFile() {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(request_.selectedPath.c_str(), GetFileExInfoStandard, &data)) {
    throw Exception(LastErrorText());
  }
  const ULONGLONG size = (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  report_.LogLine(L"Convert Aircraft model file: " + FileNameOf(request_.selectedPath) + L" ");
  report_.LogLine(L"File size : " + std::to_wstring(size) + L" bytes");
  report_.LogLine(L"Conversion may take several minutes");
  report_.LogLine(L"Conversion starting..");
  report_.LogLine(L"");
  report_.LetMessagesThrough();
}

// A result file left from before that cannot be removed keeps the
// converter from starting: it would be taken for the new result.
void TConversionRun::RunCommand(size_t index) {
  const ConverterCommand& command = ConverterCommands()[index];
  outcome_ = {};
  for (const ConverterCommand& later : CommandsFrom(command)) {
    const DWORD error = RemoveFile(ProgramFile(ResultFileName(later)));
    if (&later == &command) outcome_.staleError = error;
  }
  report_.CommandStarted(index);
  report_.LogLine(command.startLine);
  report_.LetMessagesThrough();

  const std::wstring commandLine = RunConverter(index);
  const bool mayStart = !outcome_.staleError && outcome_.refusal.empty();
  // A stop counts even when the converter ended by itself while the user
  // was asked: what it made then is not taken.
  const bool passed = !stop_ && mayStart && outcome_.exitCode == 0 &&
                      IsFile(ProgramFile(ResultFileName(command)));
  report_.CommandEnded(index, passed);
  if (passed) {
    AcceptResult(index);
  } else {
    LogFailure(index, commandLine);
  }
  report_.LogLine(L"");
  report_.LetMessagesThrough();
}

// A stop asked for before the start leaves the converter unstarted. A
// converter that Windows cannot start by itself is started again at once
// through a DOS emulator the user accepts. Returns the command line.
std::wstring TConversionRun::RunConverter(size_t index) {
  const ConverterCommand& command = ConverterCommands()[index];
  const TStartLine start = ConverterStartLine(launch_.dosLauncher, request_.programDir, command,
                                              request_.operators[index]);
  outcome_.refusal = start.refusal;
  if (stop_ || outcome_.staleError || !start.refusal.empty()) return start.commandLine;
  StartConverter(start.commandLine);
  if (!outcome_.startError || !launch_.dosLauncher.empty() || !AcceptDosEmulator())
    return start.commandLine;
  outcome_ = {};
  return RunConverter(index);
}

// The run waits for the converter's end, whatever the sign of the time-out,
// and lets messages through meanwhile.
void TConversionRun::StartConverter(const std::wstring& commandLine) {
  const auto letMessagesThrough = [this] {
    report_.LetMessagesThrough();
    return !stop_;
  };
  DWORD exitCode = 0;
  DWORD startError = ERROR_SUCCESS;
  const TConsolePlace& console = request_.console;
  launch_.runner(commandLine, request_.programDir, request_.timeout, request_.hideConsole,
                 exitCode, console.left, console.top, console.width, console.height,
                 &outcome_.timedOut, &startError, letMessagesThrough);
  outcome_.exitCode = exitCode;
  outcome_.startError = startError;
}

// For a DOS converter, once for all the runs of a launch, asks whether to
// run it through the DOS emulator found, and on a yes keeps that in the
// settings; true then.
bool TConversionRun::AcceptDosEmulator() {
  if (!IsDosProgram(ProgramFile(L"tarn.exe"))) return false;
  outcome_.dos = TDosConverter::dcDos;
  if (std::exchange(launch_.emulatorOffered, true)) return false;
  const std::optional<TDosEmulator> emulator =
      FindDosEmulator(UsualEmulatorPlaces(request_.programDir));
  if (!emulator) {
    outcome_.dos = TDosConverter::dcDosWithoutEmulator;
    return false;
  }
  if (!report_.AcceptEmulator(L"TARN is a DOS program that this Windows cannot start. Run it "
                              L"through " +
                              emulator->name + L" found at " + emulator->path +
                              L"? This is saved in tarn.ini as DosLauncher."))
    return false;
  TIniFile(ProgramFile(L"tarn.ini"))
      .WriteString(kFrontEndSection, kDosLauncherKey, emulator->launcher);
  launch_.dosLauncher = emulator->launcher;
  report_.LogLine(L"DosLauncher=" + launch_.dosLauncher + L" is saved in tarn.ini");
  return true;
}

// The result becomes the working copy and a converted file beside the
// selected one, in place of an earlier one. The selected file itself is
// never written.
void TConversionRun::AcceptResult(size_t index) {
  const ConverterCommand& command = ConverterCommands()[index];
  const std::wstring result = ProgramFile(ResultFileName(command));
  FileCopy(result, ProgramFile(kWorkingCopyName));
  FileCopy(result, WithResultExtension(request_.selectedPath, command));
  RemoveStaleConverted();
  for (const wchar_t* line : command.successLines) report_.LogLine(line);
  report_.ResultAccepted(index, ConvertedName(index));
  for (const wchar_t* line : command.afterListLines) report_.LogLine(line);
}

// A stopped command gets no advice: it did not fail by itself. Any other
// failure says first why it failed.
void TConversionRun::LogFailure(size_t index, const std::wstring& commandLine) {
  if (stop_) {
    result_ = {TRunResult::TEnd::reStopped, L"Conversion stopped by the user", false};
    report_.LogLine(result_.reason);
    return;
  }
  const ConverterCommand& command = ConverterCommands()[index];
  const std::vector<std::wstring> causes = FailureCauseLines(
      outcome_, command, StartedProgram(commandLine), !launch_.dosLauncher.empty());
  result_ = {TRunResult::TEnd::reFailed, causes.empty() ? command.failureLines[0] : causes[0],
             false};
  for (const std::wstring& line : causes) report_.LogLine(line);
  for (const wchar_t* line : command.failureLines) report_.LogLine(line);
}

// Deletes the earlier converted files the run does not make again, once,
// and tells of those that are gone.
void TConversionRun::RemoveStaleConverted() {
  for (size_t i = 0; i < staleConverted_.size(); ++i) {
    if (!std::exchange(staleConverted_[i], false)) continue;
    const std::wstring converted =
        WithResultExtension(request_.selectedPath, ConverterCommands()[i]);
    DeleteFileW(converted.c_str());
    if (!IsFile(converted)) report_.ConvertedRemoved(ConvertedName(i));
  }
}

std::wstring TConversionRun::ConvertedName(size_t index) const {
  return WithResultExtension(FileNameOf(request_.selectedPath), ConverterCommands()[index]);
}
