#include "controls/OvcURL.h"

#include <windowsx.h>

#include "toolkit/hot_key.h"
#include "toolkit/interaction.h"

namespace {

constexpr unsigned kHoverInterval = 100;
// The longest address handed to the shell.
constexpr size_t kMaxURL = 1023;

}  // namespace

TOvcURL::TOvcURL(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TLabel(owner, parent, bounds), timer_(Add<TTimer>()) {
  Font().SetStyle(Font().Style() | fsUnderline);
  Font().SetColor(clBlue);
  SetTabStop(true);
  timer_->SetEnabled(false);
  timer_->SetInterval(kHoverInterval);
  timer_->OnTimer = [this](TComponent*) { HoverTick(); };
}

void TOvcURL::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  ShowText();
}

void TOvcURL::SetURL(const std::wstring& url) {
  url_ = url;
  ShowText();
}

void TOvcURL::ShowText() { TLabel::SetCaption(caption_.empty() ? url_ : caption_); }

TColor TOvcURL::ColorOrFont(TColor color) const { return color == clNone ? Font().Color() : color; }

void TOvcURL::SetHighlightColor(TColor color) {
  highlightColor_ = ColorOrFont(color);
  restoreColor_ = kNoRestore;
}

void TOvcURL::SetVisitedColor(TColor color) {
  visitedColor_ = ColorOrFont(color);
  restoreColor_ = kNoRestore;
}

TColor TOvcURL::ShownTextColor() const { return Themed(Font().Color(), TColorRole::crLink); }

TAccessibleFacts TOvcURL::AccessibleFacts() const {
  const std::wstring name = caption_.empty() ? url_ : ShownCaption(caption_);
  return {ROLE_SYSTEM_LINK, name, AccessibleState() | STATE_SYSTEM_LINKED, L"Jump"};
}

void TOvcURL::Click() {
  if (!url_.empty() &&
      !Interaction().ShellOpen(nullptr, L"open", url_.substr(0, kMaxURL), L"", L"", SW_SHOWNORMAL)) {
    MessageBeep(0);
  }
  if (OnClick) OnClick(this);
  if (useVisitedColor_) restoreColor_ = visitedColor_;
}

// The client rectangle without its right column and bottom row.
bool TOvcURL::Inside(POINT point) const {
  const RECT client = ClientRect();
  return PtInRect(&client, point) != FALSE;
}

void TOvcURL::MouseMoved(POINT point) {
  if (!Inside(point) || timer_->Enabled()) return;
  if (restoreColor_ == kNoRestore) restoreColor_ = Font().Color();
  Font().SetColor(highlightColor_);
  timer_->SetEnabled(true);
}

void TOvcURL::HoverTick() {
  POINT point;
  GetCursorPos(&point);
  ScreenToClient(Handle(), &point);
  if (Inside(point)) return;
  timer_->SetEnabled(false);
  Font().SetColor(restoreColor_);
  Repaint();
}

void TOvcURL::MouseReleased(POINT point) {
  if (!pressed_) return;
  pressed_ = false;
  ReleaseCapture();
  if (Inside(point)) Click();
}

LRESULT TOvcURL::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_MOUSEMOVE:
      MouseMoved(point);
      break;
    // The press is kept from the static control, whose click notice would
    // come on the press; the link clicks on the release.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP:
      MouseReleased(point);
      break;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      break;
    case WM_KEYUP:
      if (wParam == VK_RETURN || wParam == VK_SPACE) Click();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    case WM_PAINT: {
      const LRESULT result = TLabel::WndProc(msg, wParam, lParam);
      if (Focused()) DrawFocusAround(Handle());
      return result;
    }
  }
  return TLabel::WndProc(msg, wParam, lParam);
}
