#include "toolkit/taskbar_button.h"

#include <objbase.h>
#include <shobjidl.h>

#include <set>

#include "toolkit/system_library.h"

namespace {

std::set<HWND>& ButtonWindows() {
  static std::set<HWND> windows;
  return windows;
}

// The shell's taskbar list, made at the first use on the thread of the
// windows; null where the system has none. ole32 is loaded only then, so
// that start-up does without it, and COM stays initialized for the rest of
// the program's life.
class TTaskbarList {
 public:
  TTaskbarList() {
    const auto initialize =
        SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    const auto create =
        SystemFunction<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    if (!initialize || !create) return;
    // A thread already in another apartment still creates the list.
    initialize(nullptr, COINIT_APARTMENTTHREADED);
    void* list = nullptr;
    if (FAILED(create(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3, &list)))
      return;
    list_ = static_cast<ITaskbarList3*>(list);
    if (FAILED(list_->HrInit())) {
      list_->Release();
      list_ = nullptr;
    }
  }
  TTaskbarList(const TTaskbarList&) = delete;
  TTaskbarList& operator=(const TTaskbarList&) = delete;
  ~TTaskbarList() {
    if (list_) list_->Release();
  }

  ITaskbarList3* Get() const { return list_; }

 private:
  ITaskbarList3* list_ = nullptr;
};

TBPFLAG ProgressFlag(TTaskbarState state) {
  switch (state) {
    case TTaskbarState::tsNormal: return TBPF_NORMAL;
    case TTaskbarState::tsError: return TBPF_ERROR;
    default: return TBPF_NOPROGRESS;
  }
}

}  // namespace

UINT TaskbarButtonCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarButtonCreated");
  return message;
}

void NoteTaskbarButton(HWND window, bool exists) {
  if (exists) {
    ButtonWindows().insert(window);
  } else {
    ButtonWindows().erase(window);
  }
}

void ShowTaskbarProgress(HWND window, TTaskbarState state, ULONGLONG done, ULONGLONG total) {
  if (!ButtonWindows().contains(window)) return;
  static const TTaskbarList list;
  ITaskbarList3* const taskbar = list.Get();
  if (!taskbar) return;
  taskbar->SetProgressState(window, ProgressFlag(state));
  if (state != TTaskbarState::tsNone) taskbar->SetProgressValue(window, done, total);
}

void FlashTaskbarButton(HWND window) {
  FLASHWINFO flash{};
  flash.cbSize = sizeof(flash);
  flash.hwnd = window;
  flash.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
  FlashWindowEx(&flash);
}
