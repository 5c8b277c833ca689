#include "toolkit/page_control.h"

#include <commctrl.h>

#include <utility>

namespace {

// The presses and keys with which the tab control switches pages or takes
// the focus.
bool SwitchesPages(UINT msg) {
  return (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK) || msg == WM_KEYDOWN;
}

}  // namespace

TTabSheet::TTabSheet(TComponent* owner, TPageControl* pageControl, const std::wstring& caption)
    : TCustomControl(owner, pageControl, std::nullopt, 10, 10, 0, /*hidden=*/true) {
  SetText(caption);
  SetColor(clBtnFace);
}

void TTabSheet::SetContentMaker(std::function<void()> maker) {
  maker_ = std::move(maker);
  if (Visible()) MakeContent();
}

void TTabSheet::MakeContent() {
  if (!maker_) return;
  const std::function<void()> maker = std::exchange(maker_, nullptr);
  maker();
}

TPageControl::TPageControl(TComponent* owner, TControl* parent,
                           const std::optional<TBounds>& bounds)
    : TControl(owner, parent, bounds,
               {WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP, 0, 289, 193}) {}

TTabSheet* TPageControl::AddPage(const std::wstring& caption) {
  // Made hidden in the corner and then put where the tab control shows
  // pages: the tab control, not the layout, says where that is at every DPI.
  auto* page = Owner()->Add<TTabSheet>(this, caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  SendMessageW(Handle(), TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
  pages_.push_back(page);
  PlacePages();
  if (active_ < 0) SetActivePageIndex(0);
  return page;
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount()) return;
  Page(index)->MakeContent();
  active_ = index;
  SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  for (int i = 0; i < PageCount(); ++i) Page(i)->SetVisible(i == index);
}

void TPageControl::SetTabSize(int width, int height) {
  tabSize_ = {width, height};
  SetStyleBit(TCS_FIXEDWIDTH, true);
  SendMessageW(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(Scaled(width), Scaled(height)));
  PlacePages();
}

void TPageControl::DpiChanged() {
  if (tabSize_.cx > 0) SetTabSize(tabSize_.cx, tabSize_.cy);
}

TBounds TPageControl::DisplayBounds() const {
  RECT display = ClientRect();
  SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  return {display.left, display.top, display.right - display.left, display.bottom - display.top};
}

void TPageControl::PlacePages() {
  const TBounds display = DisplayBounds();
  for (TTabSheet* page : pages_) page->SetBounds(display);
}

void TPageControl::SetUserSwitching(bool allowed) {
  userSwitching_ = allowed;
  SetTabStop(allowed);
}

LRESULT TPageControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!userSwitching_ && SwitchesPages(msg)) return 0;
  const LRESULT result = TControl::WndProc(msg, wParam, lParam);
  if (msg == WM_SIZE) PlacePages();
  return result;
}

bool TPageControl::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
    SetActivePageIndex(static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0)));
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
