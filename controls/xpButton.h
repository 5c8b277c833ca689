#pragma once

#include "controls/palette.h"
#include "toolkit/custom_control.h"

// A push button that draws itself: a rounded two-line frame, a face with a
// vertical gradient (reversed while held down under the pointer), a ring
// while the pointer is over it, a dotted focus rectangle and a flat grey
// look when disabled; in a high-contrast theme, a flat face framed in the
// system's colours, highlighted under the pointer. A click raises OnClick and then hands a non-zero
// ModalResult to the owning form. It starts with the toolkit's default font
// and keeps its own font, whatever its parent's.
class TxpButton : public TCustomControl {
 public:
  TxpButton(TComponent* owner, TControl* parent,
            const std::optional<TBounds>& bounds = std::nullopt);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption);
  // Color (the control's colour) is the dark end of the face gradient.
  TColor BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(TColor color);
  TColor FocusColor() const { return focusColor_; }
  void SetFocusColor(TColor color);
  TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(TColor color);
  bool Border() const { return border_; }
  void SetBorder(bool border);
  bool FocusRectangle() const { return focusRectangle_; }
  void SetFocusRectangle(bool focusRectangle);
  bool ButtonFlat() const { return buttonFlat_; }
  void SetButtonFlat(bool buttonFlat);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int modalResult) { modalResult_ = modalResult; }
  bool Default() const { return default_; }
  void SetDefault(bool isDefault) { default_ = isDefault; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }

  // Pointer over the button, and held down by the mouse or a key.
  bool Hot() const { return hot_; }
  bool Pressed() const { return pressed_; }

  // Raises OnClick, then ends the owning form's modal run with ModalResult.
  void Click();

  bool DialogKey(WORD key) override;
  bool DialogChar(wchar_t ch) override;
  // A push button named by its caption, pressed by its default action.
  TAccessibleFacts AccessibleFacts() const override;
  bool CanDoDefaultAction() const override { return Focusable(); }

  TNotifyEvent OnClick;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;

 protected:
  void Paint(TCanvas& canvas) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ColorChanged() override;
  void FontChanged() override;
  void ParentFontChanged() override;
  void DoEnter() override;
  void DoExit() override;
  void DoDefaultAction() override { Click(); }

 private:
  void PaintContrasting(TCanvas& canvas);
  void PaintEnabled(TCanvas& canvas);
  void PaintDisabled(TCanvas& canvas);
  RECT InnerRect() const;
  void PaintFrame(TCanvas& canvas);
  void PaintFace(TCanvas& canvas);
  void PaintEdges(TCanvas& canvas);
  void PaintCaption(TCanvas& canvas, int shift);
  void LeftDown();
  void LeftUp();
  void KeyDown(WORD key);
  void KeyUp();
  void SetFlag(bool& flag, bool value);

  bool hot_ = false;
  bool pressed_ = false;
  bool focused_ = false;
  int modalResult_ = 0;
  bool cancel_ = false;
  bool default_ = false;
  TColor focusColor_ = kButtonFocus;
  bool focusRectangle_ = true;
  bool border_ = true;
  TColor baseColor_ = RGB(214, 211, 211);
  TColor backgroundColor_ = clWhite;
  bool buttonFlat_ = false;
  TColor flatColor_ = clBtnFace;
};
