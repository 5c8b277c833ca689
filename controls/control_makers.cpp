#include "controls/control_makers.h"

#include <utility>

#include "toolkit/form.h"
#include "toolkit/hot_key.h"

void NameBy(TControl* field, const TControl* caption) {
  field->SetAccessibleName(ShownCaption(caption->Text()));
}

TxpButton* MakeButton(TControl* parent, const TBounds& bounds, const wchar_t* caption,
                      const ButtonLook& look) {
  auto* button = ParentForm(*parent)->Add<TxpButton>(parent, bounds);
  button->Place(bounds);
  button->SetCaption(caption);
  button->SetColor(look.color);
  button->SetBackgroundColor(look.background);
  button->SetBorder(look.border);
  button->SetFocusRectangle(look.focusRectangle);
  button->SetFocusColor(kButtonFocus);
  button->SetButtonFlat(false);
  button->SetFlatColor(clBtnFace);
  button->SetFont(look.font);
  return button;
}

namespace {

// The label is made at the size of its text and keeps its size while it
// takes the font and the text, so that it moves no more.
TLabel* MakeFittingLabel(TControl* parent, const wchar_t* caption, int left, int top,
                         const TFont* font) {
  const SIZE size = TLabel::FittingSize(font ? *font : parent->Font(), caption);
  auto* label = Placed<TLabel>(parent, {left, top, size.cx, size.cy});
  label->SetAutoSize(false);
  if (font) label->SetFont(*font);
  label->SetCaption(caption);
  label->SetAutoSize(true);
  return label;
}

}  // namespace

TLabel* MakeLabel(TControl* parent, const wchar_t* caption, int left, int top) {
  return MakeFittingLabel(parent, caption, left, top, nullptr);
}

TLabel* MakeLabel(TControl* parent, const wchar_t* caption, int left, int top, const TFont& font) {
  return MakeFittingLabel(parent, caption, left, top, &font);
}

TLabel* MakeFixedLabel(TControl* parent, const TBounds& bounds, const wchar_t* caption) {
  auto* label = Placed<TLabel>(parent, bounds);
  label->SetAutoSize(false);
  label->SetCaption(caption);
  return label;
}

TDsGroup* MakeGroup(TControl* parent, const TBounds& bounds, const wchar_t* caption, TColor face) {
  auto* group = Placed<TDsGroup>(parent, bounds);
  group->SetCaption(caption);
  group->SetBorderStyle(TDsBorderStyle::brFlat);
  group->SetCaptionAlign(TCapAlignment::caLeft);
  group->SetCaptionStyle(TDsTextStyle::txLowered);
  group->SetColorHigh(clBtnHighlight);
  group->SetColorLow(clBtnShadow);
  group->SetCornerRadius(3);
  group->SetColor(clBtnFace);
  group->SetFaceColor(face);
  return group;
}

TSpinEdit* MakeSpin(TControl* parent, const TBounds& bounds, int min, int max, int increment,
                    int maxLength) {
  auto* spin = Placed<TSpinEdit>(parent, bounds);
  spin->SetMinValue(min);
  spin->SetMaxValue(max);
  spin->SetIncrement(increment);
  spin->SetMaxLength(maxLength);
  return spin;
}

TComboBox* MakeRgbCombo(TControl* parent, const TBounds& bounds) {
  const TFont arial(L"Arial", 12);
  auto* combo = parent->Add<TComboBox>(parent, bounds, &arial);
  for (const wchar_t* item :
       {L"0.1", L"0.2", L"0.3", L"0.4", L"0.5", L"0.6", L"0.7", L"0.8", L"0.9", L"1.0"}) {
    combo->Add(item);
  }
  combo->SetItemHeight(15);
  combo->Place(bounds);
  return combo;
}

TxpButton* MakeModalButton(TControl* parent, const TBounds& bounds, const wchar_t* caption,
                           const ButtonLook& look, int result, TNotifyEvent click) {
  auto* button = MakeButton(parent, bounds, caption, look);
  button->SetModalResult(result);
  button->OnClick = std::move(click);
  return button;
}
