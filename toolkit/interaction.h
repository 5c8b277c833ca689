#pragma once

#include <windows.h>

#include <string>

#include "toolkit/taskbar_button.h"

enum TSaveOption : unsigned { ofOverwritePrompt = 1, ofEnableSizing = 2, ofHideReadOnly = 4 };

// What the Save dialog is preset with, and the name chosen in it. The
// filter is a list of "description|pattern" pairs joined by '|';
// FilterIndex counts from 1, and 0 picks the first pair as well.
struct TSaveRequest {
  std::wstring FileName;
  std::wstring DefaultExt;
  std::wstring Filter;
  int FilterIndex = 1;
  std::wstring InitialDir;
  std::wstring Title;
  unsigned Options = ofHideReadOnly | ofEnableSizing;
};

// Everything that waits on the user outside the program's own windows or
// leaves the program: message boxes, the Save dialog, shell execution, and
// what Windows tells the user at log-off and shows on the taskbar. Tests put a scripted stand-in in
// place of the desktop.
class TInteraction {
 public:
  virtual ~TInteraction() = default;
  virtual int MessageDialog(HWND owner, const std::wstring& text, const std::wstring& caption,
                         UINT flags) = 0;
  // Asks for a name to save under; true with FileName set when one was
  // chosen.
  virtual bool ExecuteSave(TSaveRequest& request) = 0;
  // Asks the shell to open file; false when the shell refused.
  virtual bool ShellOpen(HWND owner, const std::wstring& verb, const std::wstring& file,
                         const std::wstring& parameters, const std::wstring& directory,
                         int show) = 0;
  // Tells Windows why the window holds off the end of the session, which it
  // shows the user who logs off or shuts down; an empty reason withdraws it.
  virtual void SetShutdownReason(HWND window, const std::wstring& reason) = 0;
  // Shows done of total on the window's taskbar button in the state given;
  // tsNone takes the bar away.
  virtual void SetTaskbarProgress(HWND window, TTaskbarState state, ULONGLONG done,
                                  ULONGLONG total) = 0;
  // Flashes the window's taskbar button until the window comes to the front.
  virtual void FlashTaskbar(HWND window) = 0;
};

// The interaction in force: the real desktop unless a test replaced it.
TInteraction& Interaction();
// Puts another interaction in force; nullptr brings the desktop back.
void SetInteraction(TInteraction* interaction);
