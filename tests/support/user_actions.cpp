#include "tests/support/user_actions.h"

#include <shlobj.h>

#include <cstring>
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
void ClickAt(HWND window, POINT point, TMouseButton button, WPARAM keys) {
  const LPARAM where = MAKELPARAM(point.x, point.y);
  const bool left = button == TMouseButton::mbLeft;
  PostMessageW(window, left ? WM_LBUTTONUP : WM_RBUTTONUP, keys, where);
  SendMessageW(window, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN,
               (left ? MK_LBUTTON : MK_RBUTTON) | keys, where);
  Application().ProcessMessages();
}

void Click(TControl* control, TMouseButton button) {
  ClickAt(control->Handle(), Middle(control->ClientRect()), button);
}

// A block of the paths, each ended by a zero, with one more zero after the
// last, as the shell hands it over.
void DropFiles(HWND window, const std::vector<std::wstring>& files) {
  size_t chars = 1;
  for (const std::wstring& file : files) chars += file.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  auto* names = reinterpret_cast<wchar_t*>(drop + 1);
  for (const std::wstring& file : files) {
    std::memcpy(names, file.c_str(), (file.size() + 1) * sizeof(wchar_t));
    names += file.size() + 1;
  }
  GlobalUnlock(memory);
  PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  Application().ProcessMessages();
}

POINT Middle(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

void PressKey(TControl& control, WORD key) {
  control.SetFocus();
  PostMessageW(control.Handle(), WM_KEYDOWN, key, 0);
  PostMessageW(control.Handle(), WM_KEYUP, key, 0xC0000001);
  Application().ProcessMessages();
}

void PressKeyHolding(WORD modifier, TControl& control, WORD key) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[modifier] = 0x80;
  SetKeyboardState(keys);
  PressKey(control, key);
  keys[modifier] = 0;
  SetKeyboardState(keys);
}
