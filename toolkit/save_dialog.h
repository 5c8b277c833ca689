#pragma once

#include <string>

#include "toolkit/component.h"

enum TSaveOption : unsigned { ofOverwritePrompt = 1, ofEnableSizing = 2, ofHideReadOnly = 4 };

// The system's common Save dialog. The filter is a list of
// "description|pattern" pairs joined by '|'; FilterIndex counts from 1, and
// 0 picks the first pair as well.
class TSaveDialog : public TComponent {
 public:
  explicit TSaveDialog(TComponent* owner) : TComponent(owner) {}

  std::wstring FileName;
  std::wstring DefaultExt;
  std::wstring Filter;
  int FilterIndex = 1;
  std::wstring InitialDir;
  std::wstring Title;
  unsigned Options = ofHideReadOnly | ofEnableSizing;

  // Asks the user; true with FileName set when a name was chosen.
  bool Execute();
  // The real dialog, for the desktop interaction.
  bool RunSystemDialog();
};
