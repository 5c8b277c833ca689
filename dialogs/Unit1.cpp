#include "dialogs/Unit1.h"

#include "controls/control_makers.h"
#include "dialogs/main_window_view.h"
#include "pictures/shining_examples.h"

namespace {

const TFont kArial12(L"Arial", 12);
const ButtonLook kDialogButton{kButtonFace, clBtnFace, true, true, TFont(L"MS Sans Serif", 11)};

TImage* MakePicture(TControl* group, int left, int top, int power, double specular) {
  auto* image = Place(group->Add<TImage>(group), left, top, 200, 130);
  image->SetStretch(true);
  image->SetPicture(ShiningExample(power, specular));
  return image;
}

// Captions and field labels take the size of their text, so that they
// never wrap.
TLabel* MakeCaption(TControl* group, const wchar_t* caption, int left, int top) {
  auto* label = MakeLabel(group, caption, left, top);
  label->SetColor(clWhite);
  return label;
}

TLabel* MakeFieldLabel(TControl* group, const wchar_t* caption) {
  auto* label = MakeLabel(group, caption, 76, 165);
  label->SetParentColor(true);
  label->SetFont(TFont(L"Arial", 13));
  return label;
}

// A two-line note 40 pixels high; each line stays one line.
TMemo* MakeNote(TControl* group, int left, int top, int width,
                const std::vector<std::wstring>& lines) {
  auto* memo = Place(group->Add<TMemo>(group, TWordWrap::wwKeepLines), left, top, width, 40);
  memo->SetBorder(false);
  memo->SetColor(kNoteBackground);
  memo->SetLines(lines);
  return memo;
}

TDsGroup* MakeDialogGroup(TControl* parent, const wchar_t* caption, int top) {
  return Place(MakeGroup(parent, caption, clBtnFace), 10, top, 627, 209);
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  SetCaption(L"Form1");
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(648, 472);
  SetPosition(TPosition::poScreenCenter);
  SetFont(TFont(L"MS Sans Serif", 11));
  Panel1 = Add<TPanel>(this);
  Panel1->SetAlign(TAlign::alClient);
  BuildPowerGroup();
  BuildRgbGroup();
  BuildButtons();
  OnShow = [this](TComponent* sender) { FormShow(sender); };
}

void TForm1::BuildPowerGroup() {
  DsGroup1 = MakeDialogGroup(Panel1, L"Set Power", 8);
  Image1 = MakePicture(DsGroup1, 8, 16, 300, 0.5);
  Image2 = MakePicture(DsGroup1, 212, 16, 50, 0.5);
  Image3 = MakePicture(DsGroup1, 416, 16, 10, 0.5);
  Label1 = MakeCaption(DsGroup1, L" Power=300 ", 12, 128);
  Label2 = MakeCaption(DsGroup1, L" Power=50 ", 216, 128);
  Label3 = MakeCaption(DsGroup1, L" Power=10 ", 420, 128);
  edPower = Place(MakeSpin(DsGroup1, 10, 300, 20, 3), 28, 161, 45, 24);
  edPower->SetFont(kArial12);
  edPower->SetValue(10);
  Label5 = MakeFieldLabel(DsGroup1, L"Set Specular Power");
  Label5->OnClick = [this](TComponent* sender) { FormShow(sender); };
  Memo1 = MakeNote(DsGroup1, 216, 153, 401,
                   {L"  Here we have changed the POWER number. Lowering this parameter gradually  ",
                    L"  increases the part of the body which is shined.            ( examples: "
                    L"RGB=0.5 )"});
}

void TForm1::BuildRgbGroup() {
  DsGroup2 = MakeDialogGroup(Panel1, L"Set Specular RGB", 224);
  Image6 = MakePicture(DsGroup2, 8, 19, 200, 0.1);
  Image5 = MakePicture(DsGroup2, 212, 19, 200, 0.5);
  Image4 = MakePicture(DsGroup2, 416, 19, 200, 0.9);
  Label12 = MakeCaption(DsGroup2, L" Specular RGB=0.1 ", 12, 132);
  Label11 = MakeCaption(DsGroup2, L" Specular RGB=0.5 ", 216, 132);
  Label10 = MakeCaption(DsGroup2, L" Specular RGB=0.9 ", 420, 132);
  edRGB = Place(MakeRgbCombo(DsGroup2), 28, 161, 45, 23);
  edRGB->SetText(L"0.0");
  Label6 = MakeFieldLabel(DsGroup2, L"Set Specular RGB");
  Memo2 = MakeNote(DsGroup2, 224, 157, 390,
                   {L"  Here we have changed the SPECULAR RGB numbers. The larger the parameter, ",
                    L"  the more intense is the reflection.                             ( "
                    L"examples: Power=200 )"});
}

void TForm1::BuildButtons() {
  xpButton1 = Place(MakeModalButton(Panel1, L"Cancel", kDialogButton, mrCancel,
                                    [this](TComponent* sender) { xpButton1Click(sender); }),
                    468, 440, 75, 25);
  xpButton2 = Place(MakeModalButton(Panel1, L"Ok", kDialogButton, IDYES,
                                    [this](TComponent* sender) { xpButton2Click(sender); }),
                    548, 440, 75, 25);
}

void TForm1::FormShow(TComponent*) {
  edRGB->SetText(zh_tarnF->SpecularRgbField().Text());
  edPower->SetValue(zh_tarnF->SpecularPowerField().Value());
}

void TForm1::xpButton1Click(TComponent*) {}

void TForm1::xpButton2Click(TComponent*) {
  zh_tarnF->SpecularRgbField().SetText(edRGB->Text());
  zh_tarnF->SpecularPowerField().SetValue(edPower->Value());
}
