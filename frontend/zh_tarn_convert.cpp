#include <algorithm>
#include <optional>
#include <utility>

#include "controls/palette.h"
#include "frontend/converter_commands.h"
#include "frontend/converter_outcome.h"
#include "frontend/converter_start.h"
#include "frontend/dos_emulators.h"
#include "frontend/file_copy.h"
#include "frontend/process_runner.h"
#include "frontend/settings.h"
#include "frontend/zh_tarn.h"
#include "toolkit/application.h"
#include "toolkit/error_boundary.h"
#include "toolkit/exception.h"
#include "toolkit/file_names.h"
#include "toolkit/interaction.h"

namespace {

// Behind a command's label while its command runs and at rest; in a
// high-contrast theme the running one shows in the highlight.
void ShowRunning(TLabel& label, bool running) {
  label.SetColor(running ? kCommandRunning : kCommandAtRest);
  label.SetBackgroundRole(running ? TColorRole::crHighlight : TColorRole::crFace);
}

// The smallest console the run places.
constexpr LONG kConsoleMinWidth = 160;
constexpr LONG kConsoleMinHeight = 120;

// The name with its extension replaced by the command's, in capitals.
std::wstring WithResultExtension(const std::wstring& name, const ConverterCommand& command) {
  return BaseNameOf(name) + L"." + command.extension;
}

// The operator box whose tick adds the command's operator, if it has one.
TDsCheck* OperatorBox(const Tzh_tarnF& window, wchar_t letter) {
  switch (letter) {
    case L'f': return window.opK;
    case L'c': return window.opF;
    case L'r': return window.opD;
    default: return nullptr;
  }
}

// Scrolls a memo to its last line, one line at a time, as its own scroll
// bar would.
void ScrollMemoToEnd(TMemo* memo) {
  const auto lines = SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0);
  for (LRESULT i = 0; i <= lines; ++i) {
    SendMessageW(memo->Handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  }
}

// Deletes a file; returns why one that is there could not go, or
// ERROR_SUCCESS.
DWORD RemoveFile(const std::wstring& path) {
  if (DeleteFileW(path.c_str())) return ERROR_SUCCESS;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS : error;
}

// Sets a flag for as long as it lives.
class TFlagWhile {
 public:
  explicit TFlagWhile(bool& flag) : flag_(flag) { flag_ = true; }
  TFlagWhile(const TFlagWhile&) = delete;
  TFlagWhile& operator=(const TFlagWhile&) = delete;
  ~TFlagWhile() { flag_ = false; }

 private:
  bool& flag_;
};

// Marks the window as running a conversion for as long as it lives, with
// the busy cursor over it and Windows told why the session may not end.
class TRunningFlag {
 public:
  TRunningFlag(TForm& window, bool& running) : window_(window), running_(running) {
    window_.SetBusyCursor(true);
    Interaction().SetShutdownReason(window_.Handle(), L"A model conversion is running.");
  }
  TRunningFlag(const TRunningFlag&) = delete;
  TRunningFlag& operator=(const TRunningFlag&) = delete;
  ~TRunningFlag() {
    Interaction().SetShutdownReason(window_.Handle(), L"");
    window_.SetBusyCursor(false);
  }

 private:
  TForm& window_;
  const TFlagWhile running_;
};

}  // namespace

// A press that reaches the button while a run lets messages through starts
// nothing.
void Tzh_tarnF::buConvertClick(TComponent*) {
  if (running_) return;
  const TRunningFlag running(*this, running_);
  stopRequested_ = false;
  stopTaken_ = false;
  TRun run;
  try {
    RunConversion(run);
  } catch (...) {
    // An error of any kind stops the run here; the window comes back as
    // after a failed run and the error is then shown.
    Log(ExceptionText(std::current_exception()));
    runFailed_ = true;
    SetLabelsAtRest();
    for (TLabel* label : CommandLabels()) ShowRunning(*label, false);
    FinishRun(run);
    throw;
  }
}

// In a folder that did not hold the converter the run fails at once,
// before it writes the settings or a working copy there.
void Tzh_tarnF::RunConversion(TRun& run) {
  LockForRun(run);
  ClearTaskbar();
  if (!holdsConverter_) {
    Log(L"TARN is not installed in " + programDir_ +
        L", so nothing is written there. Start zh_tarn.exe from the folder that holds tarn.exe.");
    runFailed_ = true;
    FinishRun(run);
    return;
  }
  WriteRunSettings();
  PrepareSelectedFile(run);
  LogSelectedFile();
  PlaceConsole(run);
  runFailed_ = false;
  Label8->Font().SetColor(clBlack);
  Label8->SetCaption(L"converting..wait");
  Label8->Repaint();
  const auto boxes = CommandBoxes();
  for (size_t i = 0; i < boxes.size(); ++i) run.toRun += run.mayRun[i] && boxes[i]->Checked();
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (run.mayRun[i] && boxes[i]->Checked() && !runFailed_) RunCommand(i, run);
  }
  FinishRun(run);
}

void Tzh_tarnF::LockForRun(TRun& run) {
  for (TxpButton* button : {buConvert, buInsert, buSaveas, buLog, buClose}) {
    button->SetEnabled(false);
  }
  for (TxpButton* button : {buConvert, buInsert, buSaveas}) button->Repaint();
  for (TLabel* label : CommandLabels()) ShowRunning(*label, false);
  const auto boxes = CommandBoxes();
  for (size_t i = 0; i < boxes.size(); ++i) run.mayRun[i] = boxes[i]->Enabled();
  for (TDsGroup* group : {DsGroup1, DsGroup3, DsGroup4}) group->SetEnabled(false);
  Memo1->Clear();
  MDL_f->SetEnabled(false);
  memo2->SetEnabled(false);
  MDL_D->Hide();
  MDL_D->SetAlign(TAlign::alNone);
  Memo1->SetAlign(TAlign::alClient);
  Button1->Hide();
  // With the console on view, the log waits for the end of the run.
  if (cbHideLog->Checked()) Memo1->Show();
  Application().ProcessMessages();
  buInsert->SetEnabled(false);
  buSaveas->SetEnabled(false);
}

void Tzh_tarnF::WriteRunSettings() {
  TIniFile ini(ProgramFile(L"tarn.ini"));
  ini.WriteInteger(kModelSection, kSizeRadiusKey, edSize->Value());
  ini.WriteInteger(kMaterialSection, kPowerKey, edPower->Value());
  const std::wstring specular = edRGB->Text();
  for (const wchar_t* key : {kSpecularRKey, kSpecularGKey, kSpecularBKey}) {
    ini.WriteString(kMaterialSection, key, specular);
  }
}

// Copies the selected file to the working copy. Nothing beside the selected
// file changes yet: a command's converted file is replaced by its result,
// and the earlier ones this run does not make again go once its first
// command has passed, so a run stopped or failed before then leaves them
// all. From a model that is every one the run does not make; from a
// converted file, none (those it makes again are replaced, the others
// stay).
void Tzh_tarnF::PrepareSelectedFile(const TRun& run) {
  workingCopyName_ = kWorkingCopyName;
  const std::wstring workingCopy = ProgramFile(kWorkingCopyName);
  DeleteFileW(workingCopy.c_str());
  const bool fromModel = selectionOrigin_ == TSelectionOrigin::soSourceList;
  if (fromModel) {
    selectedPath_ = MDL_f->FileName();
    selectedName_ = FileNameOf(selectedPath_);
    convertedFolder_ = FolderOf(selectedPath_);
  } else {
    selectedName_ = SelectedConverted();
    selectedPath_ = ConvertedPath(selectedName_);
  }
  FileCopy(selectedPath_, workingCopy);
  const auto boxes = CommandBoxes();
  for (size_t i = 0; i < boxes.size(); ++i) {
    staleConverted_[i] = fromModel && !(run.mayRun[i] && boxes[i]->Checked());
  }
}

void Tzh_tarnF::LogSelectedFile() {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(selectedPath_.c_str(), GetFileExInfoStandard, &data)) {
    throw Exception(LastErrorText());
  }
  const ULONGLONG size = (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  Log(L"Convert Aircraft model file: " + selectedName_ + L" ");
  Log(L"File size : " + std::to_wstring(size) + L" bytes");
  Log(L"Conversion may take several minutes");
  Log(L"Conversion starting..");
  Log(L"");
  Application().ProcessMessages();
}

// The console's place, just inside the main window, and never off the
// screen's origin or too small to use.
void Tzh_tarnF::PlaceConsole(TRun& run) const {
  RECT bounds;
  GetWindowRect(Handle(), &bounds);
  run.consoleLeft = static_cast<DWORD>(std::max(bounds.left + 10, LONG{0}));
  run.consoleTop = static_cast<DWORD>(std::max(bounds.top + 30, LONG{0}));
  run.consoleWidth = static_cast<DWORD>(std::max(bounds.right - bounds.left - 50, kConsoleMinWidth));
  run.consoleHeight =
      static_cast<DWORD>(std::max(bounds.bottom - bounds.top - 60, kConsoleMinHeight));
}

// A result file left from before that cannot be removed keeps the
// converter from starting: it would be taken for the new result.
void Tzh_tarnF::RunCommand(size_t index, TRun& run) {
  const ConverterCommand& command = ConverterCommands()[index];
  const TDsCheck* op = OperatorBox(*this, command.letter);
  const bool withOperator = op && op->Checked();
  run.outcome = {};
  for (const ConverterCommand& later : CommandsFrom(command)) {
    const DWORD error = RemoveFile(ProgramFile(ResultFileName(later)));
    if (&later == &command) run.outcome.staleError = error;
  }
  TLabel* label = CommandLabels()[index];
  dsPage->SetActivePageIndex(static_cast<int>(index));
  ShowRunning(*label, true);
  label->Repaint();
  Log(command.startLine);
  // The taskbar button shows command k of n while it runs.
  Interaction().SetTaskbarProgress(Handle(), TTaskbarState::tsNormal, ++run.started, run.toRun);
  Application().ProcessMessages();

  const std::wstring commandLine = RunConverter(command, withOperator, run);
  const bool mayStart = !run.outcome.staleError && run.outcome.refusal.empty();
  ShowRunning(*label, false);
  label->Font().SetStyle(0);
  label->Repaint();

  // A stop counts even when the converter ended by itself while the user
  // was asked: what it made then is not taken.
  if (!stopRequested_ && mayStart && run.outcome.exitCode == 0 &&
      IsFile(ProgramFile(ResultFileName(command)))) {
    AcceptResult(index);
  } else {
    label->Font().SetColor(clBlack);
    LogFailure(command, commandLine, run.outcome);
    runFailed_ = true;
  }
  Log(L"");
  ScrollMemoToEnd(Memo1);
  Application().ProcessMessages();
}

// A stop asked for before the start leaves the converter unstarted. A
// converter that Windows cannot start by itself is started again at once
// through a DOS emulator the user accepts. Returns the command line.
std::wstring Tzh_tarnF::RunConverter(const ConverterCommand& command, bool withOperator,
                                     TRun& run) {
  const TStartLine start = ConverterStartLine(dosLauncher_, programDir_, command, withOperator);
  run.outcome.refusal = start.refusal;
  if (stopRequested_ || run.outcome.staleError || !start.refusal.empty()) return start.commandLine;
  StartConverter(start.commandLine, run);
  if (!run.outcome.startError || !dosLauncher_.empty() || !AcceptDosEmulator(run))
    return start.commandLine;
  run.outcome = {};
  return RunConverter(command, withOperator, run);
}

// For a DOS converter, once a run, asks whether to run it through the DOS
// emulator found, and on a yes keeps that in the settings; true then.
bool Tzh_tarnF::AcceptDosEmulator(TRun& run) {
  if (!IsDosProgram(ProgramFile(L"tarn.exe"))) return false;
  run.outcome.dos = TDosConverter::dcDos;
  if (std::exchange(run.emulatorOffered, true)) return false;
  const std::optional<TDosEmulator> emulator = FindDosEmulator(UsualEmulatorPlaces(programDir_));
  if (!emulator) {
    run.outcome.dos = TDosConverter::dcDosWithoutEmulator;
    return false;
  }
  const std::wstring question =
      L"TARN is a DOS program that this Windows cannot start. Run it through " + emulator->name +
      L" found at " + emulator->path + L"? This is saved in tarn.ini as DosLauncher.";
  if (Interaction().MessageDialog(Handle(), question, L"DOS emulator",
                                  MB_YESNO | MB_ICONQUESTION) != IDYES)
    return false;
  TIniFile(ProgramFile(L"tarn.ini"))
      .WriteString(kFrontEndSection, kDosLauncherKey, emulator->launcher);
  dosLauncher_ = emulator->launcher;
  Log(L"DosLauncher=" + dosLauncher_ + L" is saved in tarn.ini");
  return true;
}

// The window stays alive while the converter works, and the run waits for
// the converter's end, whatever the sign of the time-out.
void Tzh_tarnF::StartConverter(const std::wstring& commandLine, TRun& run) {
  const auto letMessagesThrough = [this] {
    Application().ProcessMessages();
    return !stopRequested_;
  };
  DWORD exitCode = 0;
  DWORD startError = ERROR_SUCCESS;
  runCommandLine_(commandLine, programDir_, timeout_, cbHideLog->Checked(), exitCode,
                  run.consoleLeft, run.consoleTop, run.consoleWidth, run.consoleHeight,
                  &run.outcome.timedOut, &startError, letMessagesThrough);
  run.outcome.exitCode = exitCode;
  run.outcome.startError = startError;
}

// The result becomes the working copy and a converted file beside the
// selected one, in place of an earlier one, listed last and selected. The
// selected file itself is never written.
void Tzh_tarnF::AcceptResult(size_t index) {
  const ConverterCommand& command = ConverterCommands()[index];
  const std::wstring result = ProgramFile(ResultFileName(command));
  MDL_f->SetItemIndex(-1);
  FileCopy(result, ProgramFile(kWorkingCopyName));
  FileCopy(result, WithResultExtension(selectedPath_, command));
  RemoveStaleConverted();
  for (const wchar_t* line : command.successLines) Log(line);
  RemoveConverted(command);
  memo2->Add(WithResultExtension(selectedName_, command));
  memo2->SetItemIndex(memo2->Count() - 1);
  memo2->SetFocus();
  selectionOrigin_ = TSelectionOrigin::soConvertedList;
  Label1->SetCaption(command.newResultText);
  for (const wchar_t* line : command.afterListLines) Log(line);
}

// A stopped command gets no advice: it did not fail by itself. Any other
// failure says first why it failed.
void Tzh_tarnF::LogFailure(const ConverterCommand& command, const std::wstring& commandLine,
                           const TConverterOutcome& outcome) {
  if (stopRequested_) {
    Log(L"Conversion stopped by the user");
    stopTaken_ = true;
    return;
  }
  for (const std::wstring& line :
       FailureCauseLines(outcome, command, StartedProgram(commandLine), !dosLauncher_.empty()))
    Log(line);
  for (const wchar_t* line : command.failureLines) Log(line);
}

void Tzh_tarnF::FinishRun(const TRun& run) {
  // Taken before the focus goes back to the window's controls.
  const bool inFront = GetForegroundWindow() == Handle();
  for (TDsGroup* group : {DsGroup1, DsGroup2, DsGroup3, DsGroup4}) group->SetEnabled(true);
  Memo1->Show();
  Button1->Show();
  if (runFailed_) {
    if (run.outcome.timedOut) Log(L"Program terminated due to DOS process timeout");
    Label8->Font().SetColor(clRed);
    Label8->SetCaption(L"Conversion failed");
    buInsert->SetEnabled(false);
    buSaveas->SetEnabled(false);
    for (TCheckBox* box : CommandBoxes()) box->SetEnabled(true);
  } else {
    Label8->Font().SetColor(clGreen);
    Label8->SetCaption(L"Conversion passed");
    buInsert->SetEnabled(true);
    buSaveas->SetEnabled(true);
  }
  // A yes that came after the last command was judged stopped nothing.
  if (stopRequested_ && !stopTaken_) Log(L"the conversion had already ended");
  memo2->SetEnabled(true);
  EnableControls();
  MDL_f->SetEnabled(true);
  buLog->SetEnabled(true);
  buClose->SetEnabled(true);
  for (TxpButton* button : {buLog, buConvert, buInsert, buSaveas}) button->Repaint();
  ShowEndOnTaskbar(run, inFront);
}

// A passed run fills the taskbar button's bar; a failed one shows it in
// the error colour as far as it got, or whole when no command started. A
// user who went on to another window is called back by the button's
// flashing. The bar stays until the user picks a file or starts again.
void Tzh_tarnF::ShowEndOnTaskbar(const TRun& run, bool inFront) {
  const ULONGLONG total = std::max<size_t>(run.toRun, 1);
  if (runFailed_) {
    Interaction().SetTaskbarProgress(Handle(), TTaskbarState::tsError,
                                     run.started ? run.started : total, total);
  } else {
    Interaction().SetTaskbarProgress(Handle(), TTaskbarState::tsNormal, total, total);
  }
  if (!inFront) Interaction().FlashTaskbar(Handle());
}

void Tzh_tarnF::ClearTaskbar() {
  Interaction().SetTaskbarProgress(Handle(), TTaskbarState::tsNone, 0, 0);
}

void Tzh_tarnF::FormKeyDown(TComponent*, WORD& key, TShiftState) {
  if (key != VK_ESCAPE || !running_) return;
  key = 0;
  AskToStop();
}

// A yes stops the converter at once, or, between two commands, the run
// before its next one. A request while the question is open asks nothing
// more.
void Tzh_tarnF::AskToStop() {
  if (askingToStop_) return;
  const TFlagWhile asking(askingToStop_);
  if (Interaction().MessageDialog(Handle(), L"Do you want to stop the conversion?", L"Confirm",
                                  MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES)
    stopRequested_ = true;
}

// Deletes the earlier converted files the run does not make again, once,
// and takes those that are gone off the list.
void Tzh_tarnF::RemoveStaleConverted() {
  for (size_t i = 0; i < staleConverted_.size(); ++i) {
    if (!std::exchange(staleConverted_[i], false)) continue;
    const ConverterCommand& command = ConverterCommands()[i];
    const std::wstring converted = WithResultExtension(selectedPath_, command);
    DeleteFileW(converted.c_str());
    if (!IsFile(converted)) RemoveConverted(command);
  }
}

void Tzh_tarnF::RemoveConverted(const ConverterCommand& command) {
  const int found = memo2->IndexOf(WithResultExtension(selectedName_, command));
  if (found >= 0) memo2->Delete(found);
}

void Tzh_tarnF::Log(const std::wstring& line) { Memo1->AddLine(line); }
