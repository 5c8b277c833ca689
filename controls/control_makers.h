#pragma once

#include <utility>

#include "controls/DsGroups.h"
#include "controls/palette.h"
#include "controls/xpButton.h"
#include "toolkit/combo_box.h"
#include "toolkit/label.h"
#include "toolkit/spin_edit.h"

// Helpers that build the controls the program's windows share, with the
// properties every one of them has.

// A control of class T made in parent and owned by it, with its window made
// at bounds (drawn at 96 dpi); the bounds hold even where its class sized it
// otherwise. args go to T's constructor after the parent and the bounds.
template <class T, class... Args>
T* Placed(TControl* parent, const TBounds& bounds, Args&&... args) {
  auto* control = parent->Add<T>(parent, bounds, std::forward<Args>(args)...);
  control->Place(bounds);
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
TxpButton* MakeButton(TControl* parent, const TBounds& bounds, const wchar_t* caption,
                      const ButtonLook& look);
// A label the size of its text, in the parent's font or the one given.
TLabel* MakeLabel(TControl* parent, const wchar_t* caption, int left, int top);
TLabel* MakeLabel(TControl* parent, const wchar_t* caption, int left, int top, const TFont& font);
// A label that keeps its bounds whatever its text.
TLabel* MakeFixedLabel(TControl* parent, const TBounds& bounds, const wchar_t* caption);
// Names a field or list for a screen reader by the caption the user reads
// beside it.
void NameBy(TControl* field, const TControl* caption);
// An etched frame with an engraved caption at the left.
TDsGroup* MakeGroup(TControl* parent, const TBounds& bounds, const wchar_t* caption, TColor face);
// The specular RGB field: free text with the ten usual levels to choose.
TComboBox* MakeRgbCombo(TControl* parent, const TBounds& bounds);
// A push button that ends its form's modal run with result, and then
// calls click.
TxpButton* MakeModalButton(TControl* parent, const TBounds& bounds, const wchar_t* caption,
                           const ButtonLook& look, int result, TNotifyEvent click);
TSpinEdit* MakeSpin(TControl* parent, const TBounds& bounds, int min, int max, int increment,
                    int maxLength);
