#include "tests/frontend/modal_runner.h"

#include <utility>

namespace {

const std::function<void(TForm&)>* pendingAct = nullptr;
int actResult = mrNone;

void CALLBACK ActOnModal(HWND, UINT, UINT_PTR timer, DWORD) {
  auto* form = dynamic_cast<TForm*>(TControl::FromHandle(GetActiveWindow()));
  if (!form || !form->Modal() || !pendingAct) return;
  KillTimer(nullptr, timer);
  const auto* act = std::exchange(pendingAct, nullptr);
  (*act)(*form);
  actResult = form->ModalResult();
  if (actResult == mrNone) form->Close();
}

}  // namespace

int RunModal(const std::function<void()>& open, const std::function<void(TForm&)>& act) {
  pendingAct = &act;
  actResult = mrNone;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, ActOnModal);
  open();
  KillTimer(nullptr, timer);
  pendingAct = nullptr;
  return actResult;
}

bool FormExists(const wchar_t* caption) { return FindWindowW(kFormClass, caption) != nullptr; }

void PressKey(TControl& control, WORD key) {
  control.SetFocus();
  PostMessageW(control.Handle(), WM_KEYDOWN, key, 0);
  PostMessageW(control.Handle(), WM_KEYUP, key, 0xC0000001);
  Application().ProcessMessages();
}
