#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/unique_handle.h"

enum class TBorderStyle { bsDialog, bsToolWindow, bsSingle };
enum class TPosition { poDesigned, poDesktopCenter, poScreenCenter, poOwnerFormCenter };
enum class TCloseAction { caNone, caHide, caFree };

constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TDropFilesEvent =
    std::function<void(TComponent* sender, const std::vector<std::wstring>& files)>;
using TCopyTextEvent =
    std::function<bool(TComponent* sender, ULONG_PTR tag, const std::wstring& text)>;
using TQueryEndSessionEvent = std::function<void(TComponent* sender, bool& canEnd)>;

// A top-level window: caption, border, client size, position, modal runs
// and the keys a dialog gives meaning to (Tab, Enter, Escape, accelerators).
class TForm : public TControl {
 public:
  explicit TForm(TComponent* owner);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  void SetBorderStyle(TBorderStyle style);
  // The client area's size drawn at 96 dpi, at the form's DPI.
  void SetClientSize(int width, int height);
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  void SetPosition(TPosition position) { position_ = position; }
  // Whether the form stays above the windows of other programs.
  void SetStayOnTop(bool stayOnTop);

  void Show();
  void Close();
  // Shows the form, disables the other windows of the program and runs
  // until ModalResult is set; returns it.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Modal() const { return modal_; }

  // Runs OnCreate; CreateForm calls it once the form is built.
  void DoCreate();

  // Set on the program's main form: closing it ends the message loop.
  void SetQuitOnClose(bool quitOnClose) { quitOnClose_ = quitOnClose; }

  // Handles the keys that mean something to a dialog; true when the message
  // is used up.
  bool PreviewKey(const MSG& msg) override;
  // Moves the focus to the next (or previous) control that takes Tab.
  void SelectNext(bool forward);
  // The control that gets the focus when the form is first activated, in
  // place of the first one Tab reaches.
  void SetActiveControl(const TControl& control) { lastFocus_ = control.Handle(); }

  // While set, the pointer shows the busy cursor over the client area and
  // every control; the title bar keeps its own.
  void SetBusyCursor(bool busy);
  // Whether files dragged from the shell may be dropped on the form; their
  // paths go to OnDropFiles.
  void SetAcceptFiles(bool accept);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TCloseEvent OnClose;
  // Offered every key pressed in the form before its controls see it; a
  // handler that sets the key to 0 uses it up.
  TKeyEvent OnKeyDown;
  TDropFilesEvent OnDropFiles;
  // Text another program sent with WM_COPYDATA under its tag: whole UTF-16
  // characters, ended by the one zero and not too long to be a path.
  // Anything else sent is refused unseen. The handler says whether it took
  // the text, which is the sender's answer.
  TCopyTextEvent OnCopyText;
  // Asked when Windows is about to end the session (log-off, shut-down); a
  // handler that sets canEnd to false holds it off.
  TQueryEndSessionEvent OnQueryEndSession;
  // Windows ends the session: the program is ended once this returns.
  TNotifyEvent OnEndSession;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Adds, changes or removes the tool tip of a control of this form.
  void HintChanged(TControl& control) override;
  // Hands a mouse message of a window of this form to the tool tip.
  void RelayToHint(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool EverShown() const override { return placed_; }

 private:
  void PlaceOnFirstShow();
  void FocusFirst();
  bool OfferDialogKey(WORD key);
  bool OfferDialogChar(wchar_t ch);
  bool DoClose();
  bool PreviewKeyDown(const MSG& msg);
  void MakeTooltip();
  // The tool tip's timer is up: the tool tip is made and shown the pointer.
  void MakeDueTooltip();
  // Adds, changes or removes the tools of a control.
  void SetTool(TControl& control);
  void ThemeChanged();
  void RepaintWhole();
  // Windows moved the form to a screen of another DPI: it goes to the place
  // suggested, at its client size for that DPI, with everything in it
  // scaled anew.
  void MoveToDpi(int dpi, const RECT& suggested);
  // Sizes the form at left, top so that its client area is its client size
  // at its DPI.
  void FitClientArea(int left, int top);
  // Gives the title bar and the task switcher the program's icon at the
  // sizes they show at the form's DPI.
  void TakeIcons();

  TPosition position_ = TPosition::poDesigned;
  bool placed_ = false;
  bool modal_ = false;
  bool quitOnClose_ = false;
  int modalResult_ = mrNone;
  HWND lastFocus_ = nullptr;
  WindowHandle tooltip_;
  bool hintsWanted_ = false;
  bool tooltipDue_ = false;
  bool busyCursor_ = false;
  SIZE clientSize_{0, 0};
  IconHandle smallIcon_;
  IconHandle bigIcon_;
};

// The top-level form that holds the control (the form itself for a form).
TForm* ParentForm(TControl& control);

// Builds a form of class T and then runs its create handler.
template <class T>
std::unique_ptr<T> CreateForm(TComponent* owner) {
  auto form = std::make_unique<T>(owner);
  form->DoCreate();
  return form;
}
