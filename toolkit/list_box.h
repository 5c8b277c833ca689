#pragma once

#include <vector>

#include "toolkit/control.h"

// A single-selection list of strings. OnClick follows every change of the
// selection by mouse or keyboard; setting ItemIndex raises nothing.
class TListBox : public TControl {
 public:
  TListBox(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds = std::nullopt,
           DWORD extraStyle = 0);

  int Count() const;
  std::wstring Item(int index) const;
  int Add(const std::wstring& item);
  // Replaces the items by these, in this order; the list is painted once,
  // when all are in.
  void SetItems(const std::vector<std::wstring>& items);
  void Delete(int index);
  void Clear();
  int IndexOf(const std::wstring& item) const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The height of a row, drawn at 96 dpi.
  void SetItemHeight(int height);

  TNotifyEvent OnClick;

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void FontChanged() override;
  // Called before the items are read or changed: a list that fills itself
  // late fills itself here.
  virtual void ItemsNeeded() const {}

 private:
  int itemHeight_ = 0;
};
