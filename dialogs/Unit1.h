#pragma once

#include "controls/DsGroups.h"
#include "controls/xpButton.h"
#include "dialogs/tool_dialog.h"
#include "toolkit/combo_box.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/memo.h"
#include "toolkit/panel.h"
#include "toolkit/spin_edit.h"

// The shining example dialog, opened from the shining page's "Example"
// button: six renderings of one model show what specular power and
// specular RGB do, and the two fields there set both. It starts from the
// main window's values and writes its own back on "Ok".
class TForm1 : public TToolDialog {
 public:
  explicit TForm1(TComponent* owner);

  // Loads the main window's values; also the click of "Set Specular Power".
  void FormShow(TComponent* sender);
  // "Cancel", also pressed by Escape: nothing to do; the button closes the
  // dialog.
  void xpButton1Click(TComponent* sender);
  // "Ok": writes the values into the main window.
  void xpButton2Click(TComponent* sender);

  TPanel* Panel1;
  TDsGroup* DsGroup1;
  TImage* Image1;
  TImage* Image2;
  TImage* Image3;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
  TSpinEdit* edPower;
  TLabel* Label5;
  TMemo* Memo1;
  TDsGroup* DsGroup2;
  TImage* Image6;
  TImage* Image5;
  TImage* Image4;
  TLabel* Label12;
  TLabel* Label11;
  TLabel* Label10;
  TComboBox* edRGB;
  TLabel* Label6;
  TMemo* Memo2;
  TxpButton* xpButton1;
  TxpButton* xpButton2;

 private:
  void BuildPowerGroup();
  void BuildRgbGroup();
  void BuildButtons();
};
