#pragma once

#include "controls/DsGroups.h"
#include "controls/palette.h"
#include "controls/xpButton.h"
#include "toolkit/combo_box.h"
#include "toolkit/label.h"
#include "toolkit/spin_edit.h"

// Helpers that build the controls the program's windows share, with the
// properties every one of them has.

template <class T>
T* Place(T* control, int left, int top, int width, int height) {
  control->SetBounds(left, top, width, height);
  return control;
}

// What sets one push button apart from another.
struct ButtonLook {
  TColor color;
  TColor background;
  bool border;
  bool focusRectangle;
  TFont font;
};

// The button belongs to the parent's form, so that its ModalResult ends
// that form's modal run.
TxpButton* MakeButton(TControl* parent, const wchar_t* caption, const ButtonLook& look);
TLabel* MakeLabel(TControl* parent, const wchar_t* caption, int left, int top);
// An etched frame with an engraved caption at the left.
TDsGroup* MakeGroup(TControl* parent, const wchar_t* caption, TColor face);
// The specular RGB field: free text with the ten usual levels to choose.
TComboBox* MakeRgbCombo(TControl* parent);
// A push button that ends its form's modal run with result, and then
// calls click.
TxpButton* MakeModalButton(TControl* parent, const wchar_t* caption, const ButtonLook& look,
                           int result, TNotifyEvent click);
TSpinEdit* MakeSpin(TControl* parent, int min, int max, int increment, int maxLength);
