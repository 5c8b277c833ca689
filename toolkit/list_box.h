#pragma once

#include <string_view>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/packed_strings.h"
#include "toolkit/type_ahead.h"

// A list of strings. OnClick follows every change of the selection by mouse
// or keyboard; setting ItemIndex raises nothing. Made with LBS_EXTENDEDSEL it
// selects several: Ctrl+click, Shift+click, Shift with the arrows, and
// Ctrl+A; ItemIndex is then the item with the caret when it is selected, else
// the first selected one, and setting it selects that one alone.
//
// The strings are kept here, end to end in one buffer, and drawn here: the
// window keeps no data of its items but their selection, so that a folder
// of 100,000 names costs little more than the names. Typing the start of a
// name goes to it (toolkit/type_ahead.h). The items' names are given by
// LB_GETTEXT to the window's own thread, and by the accessible object to
// screen readers and other processes.
class TListBox : public TControl {
 public:
  TListBox(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds = std::nullopt,
           DWORD extraStyle = 0);

  int Count() const;
  std::wstring Item(int index) const;
  int Add(const std::wstring& item);
  // Replaces the items by these, in this order; the list is painted once,
  // when all are in.
  void SetItems(TPackedStrings items);
  void Delete(int index);
  void Clear();
  int IndexOf(const std::wstring& item) const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  // Adds the item to the selection; in a list that selects one, selects it.
  void SetSelected(int index);
  // The selected items' indices, in list order.
  std::vector<int> SelectedIndices() const;
  bool MultiSelect() const;
  // The height of a row, drawn at 96 dpi.
  void SetItemHeight(int height);

  TNotifyEvent OnClick;

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void FontChanged() override;
  std::optional<std::wstring> AccessibleChildName(long child) const override;
  bool NamesAccessibleChildren() const override { return true; }
  // Called before the items are read or changed: a list that fills itself
  // late fills itself here.
  virtual void ItemsNeeded() const {}

 private:
  std::wstring_view ItemView(int index) const;
  LRESULT CopyItemText(WPARAM index, LPARAM buffer) const;
  void DrawItem(const DRAWITEMSTRUCT& item) const;
  void ApplyItemHeight();
  void GoToTyped(wchar_t ch);
  bool IsSoleSelection(int index) const;

  TPackedStrings items_;
  int itemHeight_ = 0;
  TTypeAhead typeAhead_;
};
