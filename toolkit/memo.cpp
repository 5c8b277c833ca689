#include "toolkit/memo.h"

TMemo::TMemo(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
             TWordWrap wrap)
    : TControl(owner, parent, bounds,
               {L"EDIT",
                static_cast<DWORD>(ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP |
                                   (wrap == TWordWrap::wwKeepLines ? ES_AUTOHSCROLL : 0)),
                WS_EX_CLIENTEDGE, 185, 89}) {
  SetColor(clWindow);
}

std::vector<std::wstring> TMemo::Lines() const {
  std::vector<std::wstring> lines;
  const std::wstring text = Text();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void TMemo::SetLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const auto& line : lines) text += line + L"\r\n";
  SetText(text);
}

// The last line starts at the end of the text exactly when the text is
// empty or ends with a line break; a wrapped line never starts there.
bool TMemo::EndsWithLineBreak() const {
  const auto length = static_cast<LRESULT>(GetWindowTextLengthW(Handle()));
  const LRESULT lastLine = SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0) - 1;
  return SendMessageW(Handle(), EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0) == length;
}

void TMemo::AddLine(const std::wstring& line) {
  const std::wstring added = (EndsWithLineBreak() ? L"" : L"\r\n") + line + L"\r\n";
  const auto end = static_cast<WPARAM>(GetWindowTextLengthW(Handle()));
  SendMessageW(Handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
}

void TMemo::SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0); }

void TMemo::SetVerticalScrollBar(bool on) {
  SetStyleBit(WS_VSCROLL, on);
  FrameChanged();
}
