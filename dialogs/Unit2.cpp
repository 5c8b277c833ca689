#include "dialogs/Unit2.h"

#include <algorithm>

#include "controls/control_makers.h"
#include "dialogs/main_window_view.h"
#include "pictures/aircraft_views.h"

namespace {

constexpr int kEdgePerSize = 15;
// The preview's frame in its group.
constexpr TBounds kPreview{12, 20, 247, 152};
const ButtonLook kDialogButton{kButtonFace, clBtnFace, true, true, TFont(L"Arial", 13)};

TDsGroup* MakeDialogGroup(TControl* parent, const TBounds& bounds, const wchar_t* caption) {
  auto* group = MakeGroup(parent, bounds, caption, clBtnFace);
  group->SetCaptionStyle(TDsTextStyle::txPlain);
  group->SetFont(TFont(L"Arial", 12));
  return group;
}

TRadioButton* MakeType(TControl* group, const wchar_t* caption, int top, int width, int height) {
  auto* radio = Placed<TRadioButton>(group, {16, top, width, height});
  radio->SetCaption(caption);
  return radio;
}

}  // namespace

TForm2::TForm2(TComponent* owner)
    : TToolDialog(owner, L"Aircraft model size", 464, 253, TPosition::poOwnerFormCenter) {
  BuildTypeGroup();
  BuildSizeGroup();
  BuildPreviewGroup();
  BuildButtons();
  OnCreate = [this](TComponent* sender) { FormCreate(sender); };
  OnShow = [this](TComponent* sender) { FormShow(sender); };
}

void TForm2::BuildTypeGroup() {
  DsGroup1 = MakeDialogGroup(this, {12, 12, 153, 133}, L"Select Aircraft type");
  rb1 = MakeType(DsGroup1, L"Fighter or recon", 28, 125, 17);
  rb2 = MakeType(DsGroup1, L"Fighter bomber", 49, 125, 17);
  rb3 = MakeType(DsGroup1, L"Medium bomber", 72, 113, 17);
  rb4 = MakeType(DsGroup1, L"Heavy bomber", 92, 113, 21);
  types_ = {rb1, rb2, rb3, rb4};
  for (TRadioButton* radio : types_) {
    radio->OnClick = [this](TComponent* sender) { rb1Click(sender); };
  }
}

void TForm2::BuildSizeGroup() {
  DsGroup2 = MakeDialogGroup(this, {12, 152, 153, 61}, L"Aircraft size");
  edSize = MakeSpin(DsGroup2, {12, 23, 49, 26}, 1, 16, 1, 2);
  edSize->SetFont(TFont(L"Arial", 13));
  edSize->SetValue(1);
  edSize->OnChange = [this](TComponent* sender) { edSizeChange(sender); };
  Label1 = MakeLabel(DsGroup2, L"Set Size [1-16]", 68, 28);
  NameBy(edSize, Label1);
}

void TForm2::BuildPreviewGroup() {
  DsGroup3 = MakeDialogGroup(this, {180, 13, 273, 200}, L"Preview 'collision bubble'");
  Panel1 = Placed<TPanel>(DsGroup3, kPreview);
  Panel1->SetBevelOuter(TBevelCut::bvLowered);
  Panel1->SetColor(kPreviewBackground);
  Image1 = Placed<TImage>(Panel1, {20, 12, 190, 115});
  Image1->SetCenter(true);
  Label2 = MakeFixedLabel(DsGroup3, {12, 176, 249, 15}, L"Label2");
  Label2->SetAlignment(TAlignment::taCenter);
}

void TForm2::BuildButtons() {
  xpButton1 = MakeModalButton(this, {244, 220, 75, 25}, L"Cancel", kDialogButton, mrCancel,
                              [this](TComponent* sender) { xpButton1Click(sender); });
  xpButton1->SetCancel(true);
  xpButton2 = MakeModalButton(this, {336, 220, 75, 25}, L"Ok", kDialogButton, IDYES,
                              [this](TComponent* sender) { xpButton2Click(sender); });
}

void TForm2::FormCreate(TComponent*) { rb1->SetChecked(true); }

void TForm2::FormShow(TComponent* sender) {
  edSize->SetValue(zh_tarnF->SizeField().Value());
  edSizeChange(sender);
}

void TForm2::rb1Click(TComponent* sender) {
  const auto chosen = std::find(types_.begin(), types_.end(), sender);
  if (chosen == types_.end()) return;
  Label2->SetCaption((*chosen)->Caption());
  Image1->SetPicture(AircraftView(static_cast<TAircraftType>(chosen - types_.begin())));
  edSizeChange(sender);
}

// While a size outside 1 to 16 is being typed, the square stays at the
// nearest size in range, so that it never takes a negative or a runaway
// extent.
void TForm2::edSizeChange(TComponent*) {
  const int size = std::clamp(edSize->Value(), edSize->MinValue(), edSize->MaxValue());
  const int edge = size * kEdgePerSize;
  Image1->Place({kPreview.width / 2 - edge / 2, kPreview.height / 2 - edge / 2, edge, edge});
}

void TForm2::xpButton1Click(TComponent*) {}

void TForm2::xpButton2Click(TComponent*) { zh_tarnF->SizeField().SetValue(edSize->Value()); }
