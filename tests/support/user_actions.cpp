#include "tests/support/user_actions.h"

#include <utility>

#include "toolkit/application.h"

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

// The release is queued before the press is sent: a tree view follows the
// mouse after a press until a button message reaches its queue.
void ClickAt(HWND window, POINT point, TMouseButton button) {
  const LPARAM where = MAKELPARAM(point.x, point.y);
  const bool left = button == TMouseButton::mbLeft;
  PostMessageW(window, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, where);
  SendMessageW(window, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON,
               where);
  Application().ProcessMessages();
}

void Click(TControl* control, TMouseButton button) {
  ClickAt(control->Handle(), Middle(control->ClientRect()), button);
}

POINT Middle(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

void PressKey(TControl& control, WORD key) {
  control.SetFocus();
  PostMessageW(control.Handle(), WM_KEYDOWN, key, 0);
  PostMessageW(control.Handle(), WM_KEYUP, key, 0xC0000001);
  Application().ProcessMessages();
}
