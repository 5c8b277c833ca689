#include <algorithm>
#include <utility>

#include "controls/palette.h"
#include "frontend/converter/conversion_queue.h"
#include "frontend/converter/converter_commands.h"
#include "frontend/zh_tarn.h"
#include "toolkit/application.h"
#include "toolkit/error_boundary.h"
#include "toolkit/file_names.h"
#include "toolkit/interaction.h"
#include "toolkit/set_while.h"

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

// Marks the window as running a conversion for as long as it lives, with
// the busy cursor over it and Windows told why the session may not end.
class TRunningFlag {
 public:
  TRunningFlag(TForm& window, bool& running) : window_(window), running_(running, true) {
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
  const TSetWhile<bool> running_;
};

}  // namespace

// A press that reaches the button while a run lets messages through starts
// nothing. In a folder that did not hold the converter the run fails at
// once, before it writes the settings or a working copy there.
void Tzh_tarnF::buConvertClick(TComponent*) {
  if (running_) return;
  const TRunningFlag running(*this, running_);
  TConversionQueue queue(FilesToConvert(), launch_, *this);
  // Where the stop question finds it.
  const TSetWhile<TConversionQueue*> held(queue_, &queue);
  const std::array<bool, 6> mayRun = LockForRun();
  ClearTaskbar();
  runFailed_ = true;
  if (!holdsConverter_) {
    Log(L"TARN is not installed in " + programDir_ +
        L", so nothing is written there. Start zh_tarn.exe from the folder that holds tarn.exe.");
    FinishRun();
    return;
  }
  Label8->Font().SetColor(clBlack);
  Label8->SetCaption(L"converting..wait");
  Label8->Repaint();
  const TRunRequest request = RunRequest(mayRun);
  toRun_ = std::count(request.commands.begin(), request.commands.end(), true) *
           queue.Entries().size();
  try {
    runFailed_ = !queue.Run(request);
  } catch (...) {
    // An error of any kind stops the run here; the window comes back as
    // after a failed run and the error is then shown.
    Log(ExceptionText(std::current_exception()));
    SetLabelsAtRest();
    FinishRun();
    throw;
  }
  FinishRun();
}

std::vector<std::wstring> Tzh_tarnF::FilesToConvert() const {
  if (selection_.origin == TSelectionOrigin::soConvertedList)
    return {selection_.folder + L"\\" + SelectedConverted()};
  return MDL_f->FileNames();
}

// Only a command whose box was enabled as the press came may run.
TRunRequest Tzh_tarnF::RunRequest(const std::array<bool, 6>& mayRun) {
  TRunRequest request;
  request.programDir = programDir_;
  request.fromModel = selection_.origin == TSelectionOrigin::soSourceList;
  const auto boxes = CommandBoxes();
  for (size_t i = 0; i < boxes.size(); ++i) {
    request.commands[i] = mayRun[i] && boxes[i]->Checked();
    const TDsCheck* op = OperatorBox(*this, ConverterCommands()[i].letter);
    request.operators[i] = op && op->Checked();
  }
  request.sizeRadius = SizeField().Value();
  request.power = SpecularPowerField().Value();
  request.specular = SpecularRgbField().Text();
  request.timeout = timeout_;
  request.hideConsole = cbHideLog->Checked();
  request.console = PlaceConsole();
  workingCopyName_ = kWorkingCopyName;
  return request;
}

std::array<bool, 6> Tzh_tarnF::LockForRun() {
  for (TxpButton* button : {buConvert, buInsert, buSaveas, buLog, buClose}) {
    button->SetEnabled(false);
  }
  for (TxpButton* button : {buConvert, buInsert, buSaveas}) button->Repaint();
  for (TLabel* label : CommandLabels()) ShowRunning(*label, false);
  const auto boxes = CommandBoxes();
  std::array<bool, 6> mayRun{};
  for (size_t i = 0; i < boxes.size(); ++i) mayRun[i] = boxes[i]->Enabled();
  started_ = 0;
  toRun_ = 0;
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
  return mayRun;
}

// The console's place, just inside the main window, and never off the
// screen's origin or too small to use.
TConsolePlace Tzh_tarnF::PlaceConsole() const {
  RECT bounds;
  GetWindowRect(Handle(), &bounds);
  return {static_cast<DWORD>(std::max(bounds.left + 10, LONG{0})),
          static_cast<DWORD>(std::max(bounds.top + 30, LONG{0})),
          static_cast<DWORD>(std::max(bounds.right - bounds.left - 50, kConsoleMinWidth)),
          static_cast<DWORD>(std::max(bounds.bottom - bounds.top - 60, kConsoleMinHeight))};
}

void Tzh_tarnF::LetMessagesThrough() { Application().ProcessMessages(); }

void Tzh_tarnF::ModelStarted(const std::wstring& path) {
  Select(selection_.origin, FolderOf(path), FileNameOf(path));
}

// The taskbar button shows command k of the n the press will run, over
// all its models.
void Tzh_tarnF::CommandStarted(size_t index) {
  TLabel* label = CommandLabels()[index];
  dsPage->SetActivePageIndex(static_cast<int>(index));
  ShowRunning(*label, true);
  label->Repaint();
  Interaction().SetTaskbarProgress(Handle(), TTaskbarState::tsNormal, ++started_, toRun_);
}

void Tzh_tarnF::CommandEnded(size_t index, bool passed) {
  TLabel* label = CommandLabels()[index];
  ShowRunning(*label, false);
  label->Font().SetStyle(0);
  if (!passed) label->Font().SetColor(clBlack);
  label->Repaint();
  ScrollMemoToEnd(Memo1);
}

// The new converted file is listed last and selected, in place of an
// earlier entry of that name.
void Tzh_tarnF::ResultAccepted(size_t index, const std::wstring& convertedName) {
  MDL_f->SetItemIndex(-1);
  RemoveConverted(convertedName);
  memo2->Add(convertedName);
  memo2->SetItemIndex(memo2->Count() - 1);
  memo2->SetFocus();
  Select(TSelectionOrigin::soConvertedList, selection_.folder, convertedName);
  Label1->SetCaption(ConverterCommands()[index].newResultText);
}

bool Tzh_tarnF::AcceptEmulator(const std::wstring& question) {
  return Interaction().MessageDialog(Handle(), question, L"DOS emulator",
                                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Tzh_tarnF::FinishRun() {
  // Taken before the focus goes back to the window's controls.
  const bool inFront = GetForegroundWindow() == Handle();
  for (TLabel* label : CommandLabels()) ShowRunning(*label, false);
  for (TDsGroup* group : {DsGroup1, DsGroup2, DsGroup3, DsGroup4}) group->SetEnabled(true);
  Memo1->Show();
  Button1->Show();
  ScrollMemoToEnd(Memo1);
  if (runFailed_) {
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
  memo2->SetEnabled(true);
  EnableControls();
  MDL_f->SetEnabled(true);
  buLog->SetEnabled(true);
  buClose->SetEnabled(true);
  for (TxpButton* button : {buLog, buConvert, buInsert, buSaveas}) button->Repaint();
  ShowEndOnTaskbar(inFront);
}

// A passed run fills the taskbar button's bar; a failed one shows it in
// the error colour as far as it got, or whole when no command started. A
// user who went on to another window is called back by the button's
// flashing. The bar stays until the user picks a file or starts again.
void Tzh_tarnF::ShowEndOnTaskbar(bool inFront) {
  const ULONGLONG total = std::max<size_t>(toRun_, 1);
  if (runFailed_) {
    Interaction().SetTaskbarProgress(Handle(), TTaskbarState::tsError,
                                     started_ ? started_ : total, total);
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
  const TSetWhile asking(askingToStop_, true);
  if (Interaction().MessageDialog(Handle(), L"Do you want to stop the conversion?", L"Confirm",
                                  MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES &&
      queue_)
    queue_->RequestStop();
}

void Tzh_tarnF::RemoveConverted(const std::wstring& name) {
  const int found = memo2->IndexOf(name);
  if (found >= 0) memo2->Delete(found);
}

void Tzh_tarnF::Select(TSelectionOrigin origin, const std::wstring& folder,
                       const std::wstring& name) {
  selection_ = {origin, name, folder + L"\\" + name, folder};
}

void Tzh_tarnF::Log(const std::wstring& line) { Memo1->AddLine(line); }
