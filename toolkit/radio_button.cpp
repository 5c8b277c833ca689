#include "toolkit/radio_button.h"

#include <vector>

TRadioButton::TRadioButton(TComponent* owner, TControl* parent,
                           const std::optional<TBounds>& bounds)
    : TButtonControl(owner, parent, bounds, BS_RADIOBUTTON, 113) {}

void TRadioButton::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SetMark(checked);
  if (!checked) return;
  for (TControl* sibling : Parent()->Children()) {
    auto* radio = dynamic_cast<TRadioButton*>(sibling);
    if (radio && radio != this) radio->SetMark(false);
  }
  if (OnClick) OnClick(this);
}

bool TRadioButton::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    SetChecked(true);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}

void TRadioButton::CheckNeighbour(bool forward) {
  std::vector<TRadioButton*> group;
  for (TControl* sibling : Parent()->Children()) {
    auto* radio = dynamic_cast<TRadioButton*>(sibling);
    if (radio && (radio == this || radio->Focusable())) group.push_back(radio);
  }
  size_t at = 0;
  while (group[at] != this) ++at;
  TRadioButton* next = group[(at + (forward ? 1 : group.size() - 1)) % group.size()];
  next->SetFocus();
  next->SetChecked(true);
}

LRESULT TRadioButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_KEYDOWN) {
    switch (wParam) {
      case VK_DOWN:
      case VK_RIGHT:
        CheckNeighbour(true);
        return 0;
      case VK_UP:
      case VK_LEFT:
        CheckNeighbour(false);
        return 0;
      default:
        break;
    }
  }
  return TButtonControl::WndProc(msg, wParam, lParam);
}
