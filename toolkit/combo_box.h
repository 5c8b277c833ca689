#pragma once

#include "toolkit/control.h"

// A drop-down list with a free-text edit: the text may be any string,
// chosen from the list or typed. OnChange follows every change of text.
class TComboBox : public TControl {
 public:
  // Made in the font given, if any, rather than in its parent's: a combo
  // box given another font afterwards moves its drop-down list for nothing.
  TComboBox(TComponent* owner, TControl* parent,
            const std::optional<TBounds>& bounds = std::nullopt, const TFont* font = nullptr);

  int Count() const;
  std::wstring Item(int index) const;
  void Add(const std::wstring& item);
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The height of a row of the list, drawn at 96 dpi.
  void SetItemHeight(int height);

  TNotifyEvent OnChange;

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void DpiChanged() override;

 private:
  int itemHeight_ = 0;
};
