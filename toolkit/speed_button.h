#pragma once

#include "toolkit/custom_control.h"

// A flat button with a caption and a glyph that has a normal and a disabled
// picture. The frame shows while the pointer is over it; a left press and
// release over it raises OnClick. Tab stops on it, a dotted rectangle shows
// its focus, and Enter or Space pressed and released there click it, as
// does Alt with the caption's accelerator letter.
class TSpeedButton : public TCustomControl {
 public:
  TSpeedButton(TComponent* owner, TControl* parent,
               const std::optional<TBounds>& bounds = std::nullopt);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  // Takes the two pictures over; their bottom-left colour is transparent.
  void SetGlyph(Bitmap normal, Bitmap disabled);
  bool Down() const { return (pressed_ && MouseInside()) || keyDown_; }
  bool DialogChar(wchar_t ch) override;
  // A push button named by its caption, or by its hint when it shows only
  // its glyph; pressed by its default action.
  TAccessibleFacts AccessibleFacts() const override;
  bool CanDoDefaultAction() const override { return Focusable(); }

  TNotifyEvent OnClick;

 protected:
  void Paint(TCanvas& canvas) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void MouseEnter() override { Invalidate(); }
  void MouseLeave() override { Invalidate(); }
  void TextChanged() override { Invalidate(); }
  void DoEnter() override;
  void DoExit() override;
  void DoDefaultAction() override;

 private:
  void KeyPressed(bool down);

  Bitmap glyph_;
  Bitmap disabledGlyph_;
  bool pressed_ = false;
  bool keyDown_ = false;
};
