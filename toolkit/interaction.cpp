#include "toolkit/interaction.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "toolkit/system_library.h"

namespace {

// The system's Save dialog over the active window.
bool RunSaveDialog(TSaveRequest& request) {
  std::wstring filter = request.Filter;
  for (auto& ch : filter) {
    if (ch == L'|') ch = L'\0';
  }
  filter.append(2, L'\0');
  std::vector<wchar_t> name(32768, L'\0');
  request.FileName.copy(name.data(), name.size() - 1);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = request.Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(request.FilterIndex);
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = request.InitialDir.empty() ? nullptr : request.InitialDir.c_str();
  ofn.lpstrTitle = request.Title.empty() ? nullptr : request.Title.c_str();
  ofn.lpstrDefExt = request.DefaultExt.empty() ? nullptr : request.DefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (request.Options & ofOverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (request.Options & ofEnableSizing) ofn.Flags |= OFN_ENABLESIZING;
  if (request.Options & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  static const auto getSaveFileName =
      SystemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  if (!getSaveFileName || !getSaveFileName(&ofn)) return false;
  request.FileName = name.data();
  request.FilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}

class TDesktop final : public TInteraction {
 public:
  int MessageDialog(HWND owner, const std::wstring& text, const std::wstring& caption,
                 UINT flags) override {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
  }

  bool ExecuteSave(TSaveRequest& request) override { return RunSaveDialog(request); }

  bool ShellOpen(HWND owner, const std::wstring& verb, const std::wstring& file,
                 const std::wstring& parameters, const std::wstring& directory,
                 int show) override {
    static const auto shellExecute =
        SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute) return false;
    const HINSTANCE result =
        shellExecute(owner, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                     parameters.empty() ? nullptr : parameters.c_str(),
                     directory.empty() ? nullptr : directory.c_str(), show);
    // The shell's codes of 32 and below are errors.
    return reinterpret_cast<INT_PTR>(result) > 32;
  }

  // Loaded at the first use, so that the program still starts on a Windows
  // without them.
  void SetShutdownReason(HWND window, const std::wstring& reason) override {
    static const auto create = SystemFunction<decltype(ShutdownBlockReasonCreate)>(
        L"user32.dll", "ShutdownBlockReasonCreate");
    static const auto destroy = SystemFunction<decltype(ShutdownBlockReasonDestroy)>(
        L"user32.dll", "ShutdownBlockReasonDestroy");
    if (reason.empty()) {
      if (destroy) destroy(window);
    } else if (create) {
      create(window, reason.c_str());
    }
  }

  void SetTaskbarProgress(HWND window, TTaskbarState state, ULONGLONG done,
                          ULONGLONG total) override {
    ShowTaskbarProgress(window, state, done, total);
  }

  void FlashTaskbar(HWND window) override { FlashTaskbarButton(window); }
};

TDesktop desktop;
TInteraction* current = &desktop;

}  // namespace

TInteraction& Interaction() { return *current; }

void SetInteraction(TInteraction* interaction) { current = interaction ? interaction : &desktop; }
