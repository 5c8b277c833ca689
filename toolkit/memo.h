#pragma once

#include <vector>

#include "toolkit/control.h"

// Whether long lines wrap at the memo's width or keep to one line each,
// running on past the right edge. Fixed only when the memo is made.
enum class TWordWrap { wwWrap, wwKeepLines };

// Multi-line text. Lines are separated by CR LF; a line break at the very
// end does not start another line.
class TMemo : public TControl {
 public:
  TMemo(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds = std::nullopt,
        TWordWrap wrap = TWordWrap::wwWrap);

  std::vector<std::wstring> Lines() const;
  void SetLines(const std::vector<std::wstring>& lines);
  // Appends a line after the last one, without reading the text back.
  void AddLine(const std::wstring& line);
  void Clear() { SetText(L""); }
  void SetReadOnly(bool readOnly);
  void SetVerticalScrollBar(bool on);

 private:
  bool EndsWithLineBreak() const;
};
