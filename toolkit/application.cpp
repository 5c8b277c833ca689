#include "toolkit/application.h"

#include "toolkit/message_loop.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::Run() {
  if (mainForm_) {
    mainForm_->Show();
    while (HandleNextMessage(&TControl::PreviewMessage)) {
    }
  }
  while (!forms_.empty()) forms_.pop_back();
  mainForm_ = nullptr;
}

void TApplication::ProcessMessages() { HandlePendingMessages(&TControl::PreviewMessage); }
