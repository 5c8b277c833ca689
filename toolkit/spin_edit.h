#pragma once

#include "toolkit/control.h"

// An integer field with up and down arrows. Value reads the integer in the
// text, or MinValue when the text is not an integer; setting it clamps to
// MinValue..MaxValue (no clamping when the two are equal). Leaving the field
// clamps what was typed. The arrows and the Up and Down keys step by
// Increment. OnChange follows every change of the text.
class TSpinEdit : public TControl {
 public:
  TSpinEdit(TComponent* owner, TControl* parent,
            const std::optional<TBounds>& bounds = std::nullopt);

  int Value() const;
  void SetValue(int value);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  void SetMinValue(int value) { min_ = value; }
  void SetMaxValue(int value) { max_ = value; }
  void SetIncrement(int increment) { increment_ = increment; }
  void SetMaxLength(int length);

  TNotifyEvent OnChange;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void DpiChanged() override { PlaceArrows(); }

 private:
  int Clamp(int value) const;
  void Step(int direction);
  void PlaceArrows();

  HWND arrows_;
  int min_ = 0;
  int max_ = 0;
  int increment_ = 1;
};

// The integer a text holds: an optional sign and decimal digits, nothing
// else, within the 32-bit range.
bool ParseInteger(const std::wstring& text, int& value);
