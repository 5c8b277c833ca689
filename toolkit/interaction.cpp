#include "toolkit/interaction.h"

#include <shellapi.h>

#include "toolkit/save_dialog.h"

namespace {

class TDesktop final : public TInteraction {
 public:
  int MessageDialog(HWND owner, const std::wstring& text, const std::wstring& caption,
                 UINT flags) override {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
  }

  bool ExecuteSave(TSaveDialog& dialog) override { return dialog.RunSystemDialog(); }

  void ShellOpen(HWND owner, const std::wstring& verb, const std::wstring& file,
                    const std::wstring& parameters, const std::wstring& directory,
                    int show) override {
    ShellExecuteW(owner, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                  parameters.empty() ? nullptr : parameters.c_str(),
                  directory.empty() ? nullptr : directory.c_str(), show);
  }
};

TDesktop desktop;
TInteraction* current = &desktop;

}  // namespace

TInteraction& Interaction() { return *current; }

void SetInteraction(TInteraction* interaction) { current = interaction ? interaction : &desktop; }
