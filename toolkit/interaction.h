#pragma once

#include <windows.h>

#include <string>

class TSaveDialog;

// Everything that waits on the user outside the program's own windows or
// leaves the program: message boxes, the Save dialog, shell execution.
// Tests put a scripted stand-in in place of the desktop.
class TInteraction {
 public:
  virtual ~TInteraction() = default;
  virtual int MessageDialog(HWND owner, const std::wstring& text, const std::wstring& caption,
                         UINT flags) = 0;
  virtual bool ExecuteSave(TSaveDialog& dialog) = 0;
  // Asks the shell to open file; false when the shell refused.
  virtual bool ShellOpen(HWND owner, const std::wstring& verb, const std::wstring& file,
                         const std::wstring& parameters, const std::wstring& directory,
                         int show) = 0;
};

// The interaction in force: the real desktop unless a test replaced it.
TInteraction& Interaction();
// Puts another interaction in force; nullptr brings the desktop back.
void SetInteraction(TInteraction* interaction);
