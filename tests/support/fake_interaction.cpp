#include "tests/support/fake_interaction.h"

namespace {

// Enables the window again when it goes.
struct EnabledAgain {
  HWND window;
  ~EnabledAgain() {
    if (window) EnableWindow(window, TRUE);
  }
};

}  // namespace

FakeInteraction::FakeInteraction() { SetInteraction(this); }

FakeInteraction::~FakeInteraction() { SetInteraction(nullptr); }

int FakeInteraction::MessageDialog(HWND owner, const std::wstring& text,
                                   const std::wstring& caption, UINT flags) {
  boxes.push_back({text, caption, flags});
  if (whileBoxOpen) {
    // An open box disables its owner, as a real one does.
    const EnabledAgain owned{owner && !EnableWindow(owner, FALSE) ? owner : nullptr};
    whileBoxOpen();
  }
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
