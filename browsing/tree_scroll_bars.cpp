#include "browsing/tree_scroll_bars.h"

#include <cstring>

#include "toolkit/set_while.h"
#include "toolkit/system_library.h"

namespace {

constexpr DWORD kScrollBarStyles = WS_VSCROLL | WS_HSCROLL;

SCROLLINFO ScrollBar(HWND window, int bar) {
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
  return GetScrollInfo(window, bar, &info) ? info : SCROLLINFO{};
}

// Whether a tree of this style shows, with a scroll bar: only then is
// there a redraw to spare, and a visible style to put back.
bool Shown(LONG style) { return (style & WS_VISIBLE) && (style & kScrollBarStyles); }

bool SameScrollBar(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

}  // namespace

bool TreeRow(HWND tree, HTREEITEM item, RECT& row) {
  // The message takes the item in the rectangle it fills.
  std::memcpy(&row, &item, sizeof(item));
  return SendMessageW(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&row)) != FALSE;
}

bool TTreeScrollBars::State::operator==(const State& other) const {
  return shown == other.shown && SameScrollBar(vertical, other.vertical) &&
         SameScrollBar(horizontal, other.horizontal);
}

TTreeScrollBars::TTreeScrollBars(HWND tree) : tree_(tree), active_(RunsUnderWine()) {}

LRESULT TTreeScrollBars::CustomDraw(const NMTVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      if (!active_ || hidden_ || !Shown(GetWindowLongW(tree_, GWL_STYLE))) return CDRF_DODEFAULT;
      paintBottom_ = draw.nmcd.rc.bottom;
      before_ = Read();
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT: {
      if (LastPainted(reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec))) {
        SetVisibleStyle(false);
      }
      return CDRF_DODEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

// Rows are painted from the top down; the paint stops before a row whose
// top lies below the painted area, or after the last row.
bool TTreeScrollBars::LastPainted(HTREEITEM item) const {
  const HTREEITEM next = TreeView_GetNextVisible(tree_, item);
  if (!next) return true;
  RECT row;
  return TreeRow(tree_, next, row) && row.top > paintBottom_;
}

void TTreeScrollBars::Handled() {
  if (!hidden_) return;
  SetVisibleStyle(true);
  if (!(Read() == before_)) {
    RedrawWindow(tree_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  } else if (!GetUpdateRect(tree_, nullptr, FALSE)) {
    // Nothing waits to be painted: the frame's mark is all there is to
    // take off.
    RedrawWindow(tree_, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME);
  }
}

TTreeScrollBars::State TTreeScrollBars::Read() const {
  return {static_cast<DWORD>(GetWindowLongW(tree_, GWL_STYLE)) & kScrollBarStyles,
          ScrollBar(tree_, SB_VERT), ScrollBar(tree_, SB_HORZ)};
}

void TTreeScrollBars::SetVisibleStyle(bool visible) {
  hidden_ = !visible;
  const TSetWhile<bool> changing(changingStyle_, true);
  const LONG style = GetWindowLongW(tree_, GWL_STYLE);
  SetWindowLongW(tree_, GWL_STYLE, visible ? style | WS_VISIBLE : style & ~WS_VISIBLE);
}
