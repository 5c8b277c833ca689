#pragma once

#include <array>

#include "controls/DsGroups.h"
#include "controls/xpButton.h"
#include "dialogs/tool_dialog.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/radio_button.h"
#include "toolkit/spin_edit.h"

// The aircraft size dialog, opened from the collision bubble page's
// "Example" button. The aircraft type only picks the preview picture; the
// size sets a square preview of the collision bubble over it. It starts
// from the main window's size and writes its own back on "Ok".
class TForm2 : public TToolDialog {
 public:
  explicit TForm2(TComponent* owner);

  // Selects the first aircraft type.
  void FormCreate(TComponent* sender);
  // Takes the size from the main window.
  void FormShow(TComponent* sender);
  // The click of any of the four aircraft types.
  void rb1Click(TComponent* sender);
  // Sizes and centres the preview square from the current size.
  void edSizeChange(TComponent* sender);
  // "Cancel", also pressed by Escape: nothing to do; the button closes the
  // dialog.
  void xpButton1Click(TComponent* sender);
  // "Ok": writes the size into the main window.
  void xpButton2Click(TComponent* sender);

  TDsGroup* DsGroup1;
  TRadioButton* rb1;
  TRadioButton* rb2;
  TRadioButton* rb3;
  TRadioButton* rb4;
  TDsGroup* DsGroup2;
  TSpinEdit* edSize;
  TLabel* Label1;
  TDsGroup* DsGroup3;
  TPanel* Panel1;
  TImage* Image1;
  TLabel* Label2;
  TxpButton* xpButton1;
  TxpButton* xpButton2;

 private:
  void BuildTypeGroup();
  void BuildSizeGroup();
  void BuildPreviewGroup();
  void BuildButtons();

  std::array<TRadioButton*, 4> types_{};
};
