#pragma once

#include <vector>

#include "toolkit/control.h"

// Multi-line text. Lines are separated by CR LF; a line break at the very
// end does not start another line.
class TMemo : public TControl {
 public:
  TMemo(TComponent* owner, TControl* parent);

  std::vector<std::wstring> Lines() const;
  void SetLines(const std::vector<std::wstring>& lines);
  void AddLine(const std::wstring& line);
  void Clear() { SetText(L""); }
  void SetReadOnly(bool readOnly);
  void SetVerticalScrollBar(bool on);
};
