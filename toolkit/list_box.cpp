#include "toolkit/list_box.h"

TListBox::TListBox(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
                   DWORD extraStyle)
    : TControl(owner, parent, bounds,
               {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | extraStyle,
                WS_EX_CLIENTEDGE, 121, 97}) {
  SetColor(clWindow);
}

int TListBox::Count() const {
  ItemsNeeded();
  return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

std::wstring TListBox::Item(int index) const {
  ItemsNeeded();
  return ItemText(Handle(), LB_GETTEXTLEN, LB_GETTEXT, index);
}

int TListBox::Add(const std::wstring& item) {
  ItemsNeeded();
  return static_cast<int>(
      SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

void TListBox::SetItems(const std::vector<std::wstring>& items) {
  ItemsNeeded();
  // An empty list left empty is not redrawn.
  if (items.empty() && Count() == 0) return;
  const bool shown = Showing();
  if (shown) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  Clear();
  size_t characters = 0;
  for (const std::wstring& item : items) characters += item.size() + 1;
  SendMessageW(Handle(), LB_INITSTORAGE, items.size(), characters * sizeof(wchar_t));
  // Straight to the list's own procedure: a message sent item by item goes
  // through the window's subclass chain first, which for thousands of items
  // costs more than the list's own work.
  const auto procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(Handle(), GCLP_WNDPROC));
  for (const std::wstring& item : items) {
    CallWindowProcW(procedure, Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
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
  SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TListBox::Clear() {
  ItemsNeeded();
  SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::IndexOf(const std::wstring& item) const {
  for (int i = 0, n = Count(); i < n; ++i) {
    if (lstrcmpiW(Item(i).c_str(), item.c_str()) == 0) return i;
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
  SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(Scaled(height), 0));
  Invalidate();
}

void TListBox::FontChanged() {
  TControl::FontChanged();
  if (itemHeight_ > 0) SetItemHeight(itemHeight_);
}

// Ctrl+A selects every item of a list that selects several, as a change by
// the keyboard does.
LRESULT TListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0 && MultiSelect()) {
    SendMessageW(Handle(), LB_SETSEL, TRUE, -1);
    if (OnClick) OnClick(this);
    return 0;
  }
  return TControl::WndProc(msg, wParam, lParam);
}

bool TListBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
    if (OnClick) OnClick(this);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
