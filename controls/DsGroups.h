#pragma once

#include "toolkit/custom_control.h"
#include "toolkit/hot_key.h"

// Etched frame (a light outline right of and below a dark one) or a single
// dark outline.
enum class TDsBorderStyle { brFlat, brPlain };
// Where the caption sits in the frame's top edge.
enum class TCapAlignment { caLeft, caCenter, caRight };
// Caption drawn engraved, flat or embossed.
enum class TDsTextStyle { txLowered, txPlain, txRaised };
// Check square at the left of the caption, or at the right.
enum class TDsAlignment { taLeft, taRight };
// Check square plain, or inside an etched ring while at rest.
enum class TButtonStyle { ckRaised, ckFlat };
enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A captioned frame with rounded corners that holds other controls: the
// controls made with it as parent are its children.
class TDsGroup : public TCustomControl {
 public:
  TDsGroup(TComponent* owner, TControl* parent,
           const std::optional<TBounds>& bounds = std::nullopt);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  TColor FaceColor() const { return faceColor_; }
  void SetFaceColor(TColor color);
  TDsBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TDsBorderStyle style);
  TCapAlignment CaptionAlign() const { return captionAlign_; }
  void SetCaptionAlign(TCapAlignment align);
  TDsTextStyle CaptionStyle() const { return captionStyle_; }
  void SetCaptionStyle(TDsTextStyle style);
  TColor ColorHigh() const { return colorHigh_; }
  void SetColorHigh(TColor color);
  TColor ColorLow() const { return colorLow_; }
  void SetColorLow(TColor color);
  // 0 to 16; other values are ignored.
  int CornerRadius() const { return cornerRadius_; }
  void SetCornerRadius(int radius);

  // The caption's hot key moves the focus to the first child that takes it.
  bool DialogChar(wchar_t ch) override;
  // A grouping named by its caption.
  TAccessibleFacts AccessibleFacts() const override {
    return {ROLE_SYSTEM_GROUPING, ShownCaption(Caption()), AccessibleState(), L""};
  }

 protected:
  void Paint(TCanvas& canvas) override;
  RECT AlignRect() const override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  RECT CaptionRect(TCanvas& canvas, const std::wstring& caption);
  void PaintFrame(TCanvas& canvas, int line);

  TDsBorderStyle borderStyle_ = TDsBorderStyle::brFlat;
  TCapAlignment captionAlign_ = TCapAlignment::caLeft;
  TColor colorHigh_ = clBtnHighlight;
  TColor colorLow_ = clBtnShadow;
  int cornerRadius_ = 3;
  TColor faceColor_ = clBtnFace;
  TDsTextStyle captionStyle_ = TDsTextStyle::txLowered;
};

// A check box that draws itself: an 11-pixel square with light and dark
// edges (raised, or sunken while held down), a drawn tick for the checked
// and grey states and a caption beside it. Every change of State raises
// OnClick; a left click raises it once more before the change.
class TDsCheck : public TCustomControl {
 public:
  TDsCheck(TComponent* owner, TControl* parent,
           const std::optional<TBounds>& bounds = std::nullopt);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  TDsAlignment CaptionAlign() const { return captionAlign_; }
  void SetCaptionAlign(TDsAlignment align);
  TDsTextStyle CaptionStyle() const { return captionStyle_; }
  void SetCaptionStyle(TDsTextStyle style);
  TButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TButtonStyle style);
  TColor CheckColor() const { return checkColor_; }
  void SetCheckColor(TColor color);
  TColor ColorHigh() const { return colorHigh_; }
  void SetColorHigh(TColor color);
  TColor ColorLow() const { return colorLow_; }
  void SetColorLow(TColor color);
  bool FocusRectangle() const { return focusRectangle_; }
  void SetFocusRectangle(bool focusRectangle);
  bool Down() const { return down_; }
  void SetDown(bool down);
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool checked);

  bool DialogChar(wchar_t ch) override;
  // A check box named by its caption; its default action flips it.
  TAccessibleFacts AccessibleFacts() const override;
  bool CanDoDefaultAction() const override { return Focusable(); }

  TNotifyEvent OnClick;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;

 protected:
  void Paint(TCanvas& canvas) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void TextChanged() override { Invalidate(); }
  void DoEnter() override;
  void DoExit() override;
  void DoDefaultAction() override { Toggle(); }

 private:
  void Toggle() { SetChecked(!Checked()); }
  bool Inside(LPARAM lParam) const;
  void Press(bool left);
  void Track(LPARAM lParam);
  void Release(LPARAM lParam);
  RECT SquareRect() const;
  void PaintSquare(TCanvas& canvas, const RECT& square);
  RECT PaintCaption(TCanvas& canvas, const RECT& square, int& textWidth);
  void PaintMark(TCanvas& canvas, const RECT& square);
  void PaintTick(TCanvas& canvas, const RECT& square, TColor color);
  void PaintFocus(TCanvas& canvas, RECT rect, int textWidth);

  TDsAlignment captionAlign_ = TDsAlignment::taLeft;
  TColor checkColor_ = clBlack;
  TButtonStyle buttonStyle_ = TButtonStyle::ckRaised;
  TColor colorHigh_ = clBtnHighlight;
  TColor colorLow_ = clBtnShadow;
  bool down_ = false;
  bool focusRectangle_ = true;
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  TDsTextStyle captionStyle_ = TDsTextStyle::txLowered;
  bool leftPressed_ = false;
};

// Stores a changed property value and requests a repaint of its control.
template <class T>
void ChangeProperty(TControl& control, T& field, T value) {
  if (field == value) return;
  field = value;
  control.Invalidate();
}

// Draws text in rect with DrawText's format, '&' marking the hot key: first
// the shadow copy in the light colour for a lowered or raised style, then
// the text in the canvas font's colour. The brush is left clear.
void DrawStyledText(TCanvas& canvas, const std::wstring& text, const RECT& rect, UINT format,
                    TDsTextStyle style, TColor light);

// The caption style as painted: plain in a high-contrast theme, where a
// shadow copy would blur the text.
TDsTextStyle ShownTextStyle(TDsTextStyle style);

// The width of a caption as DrawText shows it: one '&' is not shown.
int CaptionWidth(TCanvas& canvas, const std::wstring& caption);
