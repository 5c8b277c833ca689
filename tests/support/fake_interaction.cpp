#include "tests/support/fake_interaction.h"

FakeInteraction::FakeInteraction() { SetInteraction(this); }

FakeInteraction::~FakeInteraction() { SetInteraction(nullptr); }

namespace {

// While a message box is open its owner is disabled, as the system's box
// disables it; the focus goes back where it was.
class DisabledOwner {
 public:
  explicit DisabledOwner(HWND owner)
      : owner_(owner), focus_(GetFocus()), wasEnabled_(owner && !EnableWindow(owner, FALSE)) {}
  DisabledOwner(const DisabledOwner&) = delete;
  DisabledOwner& operator=(const DisabledOwner&) = delete;
  ~DisabledOwner() {
    if (!wasEnabled_ || !IsWindow(owner_)) return;
    EnableWindow(owner_, TRUE);
    if (focus_ && IsWindow(focus_) && GetFocus() != focus_) SetFocus(focus_);
  }

 private:
  HWND owner_;
  HWND focus_;
  bool wasEnabled_;
};

}  // namespace

int FakeInteraction::MessageDialog(HWND owner, const std::wstring& text,
                                   const std::wstring& caption, UINT flags) {
  boxes.push_back({text, caption, flags});
  const DisabledOwner disabled(owner);
  if (whileBoxOpen) whileBoxOpen();
  if (boxAnswers.empty()) return IDOK;
  const int answer = boxAnswers.front();
  boxAnswers.pop_front();
  return answer;
}

bool FakeInteraction::ExecuteSave(TSaveRequest& request) {
  saveOffers.push_back({request.FileName, request.DefaultExt, request.Filter, request.FilterIndex,
                        request.InitialDir});
  if (saveAnswers.empty()) return false;
  const std::wstring answer = saveAnswers.front();
  saveAnswers.pop_front();
  if (answer.empty()) return false;
  request.FileName = answer;
  return true;
}

bool FakeInteraction::ShellOpen(HWND owner, const std::wstring& verb, const std::wstring& file,
                                const std::wstring& parameters, const std::wstring& directory,
                                int show) {
  shells.push_back({owner, verb, file, parameters, directory, show});
  return shellSucceeds;
}

void FakeInteraction::SetShutdownReason(HWND window, const std::wstring& reason) {
  if (reason.empty()) {
    shutdownReasons.erase(window);
  } else {
    shutdownReasons[window] = reason;
  }
}

void FakeInteraction::SetTaskbarProgress(HWND window, TTaskbarState state, ULONGLONG done,
                                         ULONGLONG total) {
  taskbar.push_back({window, state, done, total});
}

void FakeInteraction::FlashTaskbar(HWND window) { flashes.push_back(window); }
