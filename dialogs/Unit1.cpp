#include "dialogs/Unit1.h"

#include <array>

#include "controls/control_makers.h"
#include "dialogs/main_window_view.h"
#include "pictures/shining_examples.h"

namespace {

const TFont kArial12(L"Arial", 12);
const ButtonLook kDialogButton{kButtonFace, clBtnFace, true, true, TFont(L"MS Sans Serif", 11)};

TImage* MakePicture(TControl* group, int left, int top, int power, double specular) {
  auto* image = Placed<TImage>(group, {left, top, 200, 130});
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
  auto* label = MakeLabel(group, caption, 76, 165, TFont(L"Arial", 13));
  label->SetParentColor(true);
  return label;
}

// A two-line note 40 pixels high; each line stays one line.
TMemo* MakeNote(TControl* group, int left, int top, int width,
                const std::vector<std::wstring>& lines) {
  auto* memo = Placed<TMemo>(group, {left, top, width, 40}, TWordWrap::wwKeepLines);
  memo->SetBorder(false);
  memo->SetColor(kNoteBackground);
  memo->SetLines(lines);
  return memo;
}

// One of three renderings side by side, with its caption on it.
struct Example {
  TImage*& picture;
  TLabel*& caption;
  int power;
  double specular;
  const wchar_t* text;
};

void MakeExamples(TControl* group, int pictureTop, int captionTop,
                  const std::array<Example, 3>& examples) {
  constexpr int kStep = 204;
  for (size_t i = 0; i < examples.size(); ++i) {
    const int left = 8 + kStep * static_cast<int>(i);
    examples[i].picture =
        MakePicture(group, left, pictureTop, examples[i].power, examples[i].specular);
  }
  for (size_t i = 0; i < examples.size(); ++i) {
    const int left = 12 + kStep * static_cast<int>(i);
    examples[i].caption = MakeCaption(group, examples[i].text, left, captionTop);
  }
}

TDsGroup* MakeDialogGroup(TControl* parent, const wchar_t* caption, int top) {
  return MakeGroup(parent, {10, top, 627, 209}, caption, clBtnFace);
}

}  // namespace

TForm1::TForm1(TComponent* owner)
    : TToolDialog(owner, L"Form1", 648, 472, TPosition::poScreenCenter) {
  Panel1 = Add<TPanel>(this);
  Panel1->SetAlign(TAlign::alClient);
  BuildPowerGroup();
  BuildRgbGroup();
  BuildButtons();
  OnShow = [this](TComponent* sender) { FormShow(sender); };
}

void TForm1::BuildPowerGroup() {
  DsGroup1 = MakeDialogGroup(Panel1, L"Set Power", 8);
  MakeExamples(DsGroup1, 16, 128,
               {{{Image1, Label1, 300, 0.5, L" Power=300 "},
                 {Image2, Label2, 50, 0.5, L" Power=50 "},
                 {Image3, Label3, 10, 0.5, L" Power=10 "}}});
  edPower = MakeSpin(DsGroup1, {28, 161, 45, 24}, 10, 300, 20, 3);
  edPower->SetFont(kArial12);
  edPower->SetValue(10);
  Label5 = MakeFieldLabel(DsGroup1, L"Set Specular Power");
  NameBy(edPower, Label5);
  Label5->OnClick = [this](TComponent* sender) { FormShow(sender); };
  Memo1 = MakeNote(DsGroup1, 216, 153, 401,
                   {L"  Here we have changed the POWER number. Lowering this parameter gradually  ",
                    L"  increases the part of the body which is shined.            ( examples: "
                    L"RGB=0.5 )"});
}

void TForm1::BuildRgbGroup() {
  DsGroup2 = MakeDialogGroup(Panel1, L"Set Specular RGB", 224);
  MakeExamples(DsGroup2, 19, 132,
               {{{Image6, Label12, 200, 0.1, L" Specular RGB=0.1 "},
                 {Image5, Label11, 200, 0.5, L" Specular RGB=0.5 "},
                 {Image4, Label10, 200, 0.9, L" Specular RGB=0.9 "}}});
  edRGB = MakeRgbCombo(DsGroup2, {28, 161, 45, 23});
  edRGB->SetText(L"0.0");
  Label6 = MakeFieldLabel(DsGroup2, L"Set Specular RGB");
  NameBy(edRGB, Label6);
  Memo2 = MakeNote(DsGroup2, 224, 157, 390,
                   {L"  Here we have changed the SPECULAR RGB numbers. The larger the parameter, ",
                    L"  the more intense is the reflection.                             ( "
                    L"examples: Power=200 )"});
}

void TForm1::BuildButtons() {
  xpButton1 = MakeModalButton(Panel1, {468, 440, 75, 25}, L"Cancel", kDialogButton, mrCancel,
                              [this](TComponent* sender) { xpButton1Click(sender); });
  xpButton1->SetCancel(true);
  xpButton2 = MakeModalButton(Panel1, {548, 440, 75, 25}, L"Ok", kDialogButton, IDYES,
                              [this](TComponent* sender) { xpButton2Click(sender); });
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
