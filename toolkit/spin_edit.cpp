#include "toolkit/spin_edit.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

namespace {

constexpr int kArrowWidth = 15;

}  // namespace

bool ParseInteger(const std::wstring& text, int& value) {
  size_t at = 0;
  const bool negative = !text.empty() && text[0] == L'-';
  if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) at = 1;
  if (at == text.size()) return false;
  long long result = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < L'0' || text[at] > L'9') return false;
    result = result * 10 + (text[at] - L'0');
    if (result > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) result = -result;
  if (result < INT_MIN || result > INT_MAX) return false;
  value = static_cast<int>(result);
  return true;
}

TSpinEdit::TSpinEdit(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TControl(owner, parent, bounds,
               {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE, 121, 22}),
      arrows_(CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kArrowWidth,
                              10, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr)) {
  SetColor(clWindow);
  SendMessageW(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(-100), 100);
  SetText(L"0");
  PlaceArrows();
}

int TSpinEdit::Clamp(int value) const {
  if (max_ == min_) return value;
  return std::clamp(value, min_, std::max(min_, max_));
}

int TSpinEdit::Value() const {
  int value = 0;
  return ParseInteger(Text(), value) ? value : min_;
}

void TSpinEdit::SetValue(int value) { SetText(std::to_wstring(Clamp(value))); }

void TSpinEdit::SetMaxLength(int length) {
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TSpinEdit::Step(int direction) {
  const long long next = static_cast<long long>(Value()) + static_cast<long long>(direction) * increment_;
  SetValue(static_cast<int>(std::clamp<long long>(next, INT_MIN, INT_MAX)));
  SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TSpinEdit::PlaceArrows() {
  const RECT client = ClientRect();
  const int width = Scaled(kArrowWidth);
  SetWindowPos(arrows_, nullptr, client.right - width, 0, width, client.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + 1));
}

LRESULT TSpinEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        Step(wParam == VK_UP ? 1 : -1);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam >= L' ' && wParam != L'-' && (wParam < L'0' || wParam > L'9')) {
        MessageBeep(0);
        return 0;
      }
      break;
    case WM_KILLFOCUS: {
      int typed = 0;
      if (ParseInteger(Text(), typed) && Clamp(typed) != typed) SetValue(typed);
      break;
    }
    case WM_SIZE: {
      const LRESULT result = TControl::WndProc(msg, wParam, lParam);
      PlaceArrows();
      return result;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == arrows_ && header->code == UDN_DELTAPOS) {
        Step(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta > 0 ? 1 : -1);
        return 1;
      }
      break;
    }
    default:
      break;
  }
  return TControl::WndProc(msg, wParam, lParam);
}

bool TSpinEdit::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
    // A change of text redraws the edit over its child arrows; they are
    // drawn again after it, so they never vanish while the user types.
    InvalidateRect(arrows_, nullptr, TRUE);
    if (OnChange) OnChange(this);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
