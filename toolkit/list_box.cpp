#include "toolkit/list_box.h"

#include <algorithm>

#include "toolkit/canvas.h"
#include "toolkit/gdi.h"

TListBox::TListBox(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
                   DWORD extraStyle)
    : TControl(owner, parent, bounds,
               {L"LISTBOX",
                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NODATA | WS_VSCROLL |
                    WS_TABSTOP | extraStyle,
                WS_EX_CLIENTEDGE, 121, 97}) {
  SetColor(clWindow);
  ApplyItemHeight();
}

int TListBox::Count() const {
  ItemsNeeded();
  return static_cast<int>(items_.Size());
}

std::wstring TListBox::Item(int index) const {
  ItemsNeeded();
  return std::wstring(ItemView(index));
}

std::wstring_view TListBox::ItemView(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= items_.Size()) return {};
  return items_[static_cast<size_t>(index)];
}

int TListBox::Add(const std::wstring& item) {
  ItemsNeeded();
  items_.Append(item);
  const auto index = static_cast<int>(SendMessageW(Handle(), LB_ADDSTRING, 0, 0));
  if (index < 0) items_.Erase(items_.Size() - 1);
  return index;
}

void TListBox::SetItems(TPackedStrings items) {
  ItemsNeeded();
  // An empty list left empty is not redrawn.
  if (items.Empty() && Count() == 0) return;
  const bool shown = Showing();
  if (shown) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  Clear();
  items_ = std::move(items);
  SendMessageW(Handle(), LB_SETCOUNT, items_.Size(), 0);
  if (!shown) return;
  // The list shows its new scroll bar while hidden from drawing, so the bar
  // is drawn once with the items rather than at once and again with them.
  DefWindowProcW(Handle(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  DefWindowProcW(Handle(), WM_SETREDRAW, TRUE, 0);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TListBox::Delete(int index) {
  ItemsNeeded();
  if (index < 0 || index >= Count()) return;
  items_.Erase(static_cast<size_t>(index));
  SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

// An empty list is left as it is: emptied again, the window would be
// redrawn for nothing at every click that clears it.
void TListBox::Clear() {
  ItemsNeeded();
  if (items_.Empty()) return;
  items_.Clear();
  SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::IndexOf(const std::wstring& item) const {
  for (int i = 0, n = Count(); i < n; ++i) {
    if (lstrcmpiW(ItemView(i).data(), item.c_str()) == 0) return i;
  }
  return -1;
}

bool TListBox::MultiSelect() const {
  return (GetWindowLongPtrW(Handle(), GWL_STYLE) & LBS_EXTENDEDSEL) != 0;
}

int TListBox::ItemIndex() const {
  ItemsNeeded();
  if (!MultiSelect()) return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
  const auto caret = static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
  if (caret >= 0 && SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(caret), 0) > 0)
    return caret;
  const std::vector<int> selected = SelectedIndices();
  return selected.empty() ? -1 : selected.front();
}

void TListBox::SetItemIndex(int index) {
  ItemsNeeded();
  if (!MultiSelect()) {
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return;
  }
  SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
  if (index < 0) return;
  SendMessageW(Handle(), LB_SETSEL, TRUE, index);
  SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
  SendMessageW(Handle(), LB_SETANCHORINDEX, static_cast<WPARAM>(index), 0);
}

void TListBox::SetSelected(int index) {
  ItemsNeeded();
  if (!MultiSelect()) {
    SetItemIndex(index);
  } else if (index >= 0) {
    SendMessageW(Handle(), LB_SETSEL, TRUE, index);
  }
}

std::vector<int> TListBox::SelectedIndices() const {
  ItemsNeeded();
  if (!MultiSelect()) {
    const int index = ItemIndex();
    return index < 0 ? std::vector<int>{} : std::vector<int>{index};
  }
  std::vector<int> indices(static_cast<size_t>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0)));
  if (indices.empty()) return indices;
  SendMessageW(Handle(), LB_GETSELITEMS, indices.size(), reinterpret_cast<LPARAM>(indices.data()));
  return indices;
}

void TListBox::SetItemHeight(int height) {
  itemHeight_ = height;
  ApplyItemHeight();
  Invalidate();
}

// A row is as high as asked, or else as the font's characters.
void TListBox::ApplyItemHeight() {
  int height = Scaled(itemHeight_);
  if (itemHeight_ <= 0) {
    const SelectGuard font(MeasuringDC(), Font().Handle(Dpi()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(MeasuringDC(), &metrics);
    height = metrics.tmHeight;
  }
  SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
}

void TListBox::FontChanged() {
  TControl::FontChanged();
  ApplyItemHeight();
}

std::optional<std::wstring> TListBox::AccessibleChildName(long child) const {
  if (child < 1 || child > Count()) return std::nullopt;
  return std::wstring(ItemView(static_cast<int>(child - 1)));
}

LRESULT TListBox::CopyItemText(WPARAM index, LPARAM buffer) const {
  ItemsNeeded();
  if (index >= static_cast<WPARAM>(Count())) return LB_ERR;
  const std::wstring_view text = ItemView(static_cast<int>(index));
  if (buffer) std::copy_n(text.data(), text.size() + 1, reinterpret_cast<wchar_t*>(buffer));
  return static_cast<LRESULT>(text.size());
}

// Drawn as a list of strings draws its items: the text one pixel in, on the
// list's colours or the selection's, with a focus rectangle on the caret's
// (drawn over, it goes again: a change of focus alone draws it once more).
void TListBox::DrawItem(const DRAWITEMSTRUCT& item) const {
  TCanvas canvas(item.hDC, Dpi());
  if (item.itemAction != ODA_FOCUS && item.itemID != static_cast<UINT>(-1)) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    TColor text = ShownTextColor();
    if (selected) {
      text = clHighlightText;
    } else if (item.itemState & ODS_DISABLED) {
      text = clGrayText;
    }
    canvas.Font().Assign(Font());
    canvas.Font().SetColor(text);
    canvas.Brush().color = selected ? clHighlight : ShownColor();
    canvas.TextRect(item.rcItem, item.rcItem.left + 1, item.rcItem.top,
                    std::wstring(ItemView(static_cast<int>(item.itemID))));
  }
  const bool focus = item.itemAction == ODA_FOCUS || (item.itemState & ODS_FOCUS);
  if (focus && !(item.itemState & ODS_NOFOCUSRECT)) canvas.DrawFocusRect(item.rcItem);
}

// Typed on an item that is not selected, as in a list just filled, a name
// is looked for from the top. A change of the selection is reported.
void TListBox::GoToTyped(wchar_t ch) {
  auto caret = static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
  if (caret >= 0 && SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(caret), 0) <= 0) {
    caret = -1;
  }
  const int index = typeAhead_.Next(ch, static_cast<DWORD>(GetMessageTime()), caret, Count(),
                                    [this](int i) { return ItemView(i); });
  if (index < 0 || IsSoleSelection(index)) return;
  SetItemIndex(index);
  if (OnClick) OnClick(this);
}

bool TListBox::IsSoleSelection(int index) const {
  return SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0 &&
         (!MultiSelect() || SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0) == 1);
}

// Ctrl+A selects every item of a list that selects several, as a change by
// the keyboard does; a typed character goes to a matching item; the items'
// texts are answered from here, since the window keeps none.
LRESULT TListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
      if (wParam != 'A' || GetKeyState(VK_CONTROL) >= 0 || !MultiSelect()) break;
      SendMessageW(Handle(), LB_SETSEL, TRUE, -1);
      if (OnClick) OnClick(this);
      return 0;
    case WM_CHAR:
      if (wParam < L' ') break;
      GoToTyped(static_cast<wchar_t>(wParam));
      return 0;
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
      // Windows sizes another thread's buffer for a list that keeps no
      // strings at one number: the texts go to the window's own thread
      // alone, others read them through the accessible object.
      if (InSendMessageEx(nullptr) != ISMEX_NOSEND) break;
      return CopyItemText(wParam, msg == LB_GETTEXT ? lParam : 0);
    default:
      break;
  }
  return TControl::WndProc(msg, wParam, lParam);
}

bool TListBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
    if (OnClick) OnClick(this);
    return true;
  }
  if (msg == WM_DRAWITEM) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
