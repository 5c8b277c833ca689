#include "toolkit/interaction.h"

#include <shellapi.h>

#include "toolkit/save_dialog.h"
#include "toolkit/system_library.h"

namespace {

class TDesktop final : public TInteraction {
 public:
  int MessageDialog(HWND owner, const std::wstring& text, const std::wstring& caption,
                 UINT flags) override {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
  }

  bool ExecuteSave(TSaveDialog& dialog) override { return dialog.RunSystemDialog(); }

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
};

TDesktop desktop;
TInteraction* current = &desktop;

}  // namespace

TInteraction& Interaction() { return *current; }

void SetInteraction(TInteraction* interaction) { current = interaction ? interaction : &desktop; }
