#include "toolkit/memo.h"

TMemo::TMemo(TComponent* owner, TControl* parent)
    : TControl(owner, parent,
               {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP,
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

void TMemo::AddLine(const std::wstring& line) {
  const std::wstring text = Text();
  const bool needsBreak = !text.empty() && text.size() >= 2 && text.compare(text.size() - 2, 2, L"\r\n") != 0;
  const std::wstring added = (needsBreak ? L"\r\n" : L"") + line + L"\r\n";
  const auto end = static_cast<WPARAM>(text.size());
  SendMessageW(Handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
}

void TMemo::SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0); }

void TMemo::SetVerticalScrollBar(bool on) {
  SetStyleBit(WS_VSCROLL, on);
  FrameChanged();
}
