#include "tests/support/fake_interaction.h"

namespace {

// The owner of an open box, disabled while it lives if it was enabled.
class TDisabledOwner {
 public:
  explicit TDisabledOwner(HWND owner)
      : owner_(owner && IsWindowEnabled(owner) ? owner : nullptr) {
    if (owner_) EnableWindow(owner_, FALSE);
  }
  TDisabledOwner(const TDisabledOwner&) = delete;
  TDisabledOwner& operator=(const TDisabledOwner&) = delete;
  ~TDisabledOwner() {
    if (owner_) EnableWindow(owner_, TRUE);
  }

 private:
  HWND owner_;
};

}  // namespace

FakeInteraction::FakeInteraction() { SetInteraction(this); }

FakeInteraction::~FakeInteraction() { SetInteraction(nullptr); }

int FakeInteraction::MessageDialog(HWND owner, const std::wstring& text,
                                   const std::wstring& caption, UINT flags) {
  boxes.push_back({text, caption, flags});
  if (whileBoxOpen) {
    const TDisabledOwner disabled(owner);
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
