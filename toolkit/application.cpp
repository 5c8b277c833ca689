#include "toolkit/application.h"

#include "toolkit/exception.h"
#include "toolkit/interaction.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::Run() {
  if (mainForm_) {
    mainForm_->Show();
    while (HandleMessage()) {
    }
  }
  while (!forms_.empty()) forms_.pop_back();
  mainForm_ = nullptr;
}

void TApplication::Dispatch(const MSG& msg) {
  if (TControl* control = TControl::FindControl(msg.hwnd)) {
    if (TForm* form = control->ParentForm(); form && form->PreviewKey(msg)) return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

bool TApplication::HandleMessage() {
  if (terminated_) return false;
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return false;
  }
  Dispatch(msg);
  return !terminated_;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    Dispatch(msg);
  }
}

void TApplication::Terminate() {
  PostQuitMessage(0);
}

void TApplication::HandleException(std::exception_ptr error) {
  std::wstring text;
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    text = e.Message();
  } catch (const std::exception& e) {
    const std::string what = e.what();
    text.assign(what.begin(), what.end());
  } catch (...) {
    text = L"Unknown error";
  }
  HWND owner = GetActiveWindow();
  Interaction().MessageDialog(owner, text, Title(), MB_OK | MB_ICONSTOP);
}

const std::wstring& TApplication::Title() {
  if (title_.empty()) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    title_ = name.substr(0, name.find_last_of(L'.'));
  }
  return title_;
}
