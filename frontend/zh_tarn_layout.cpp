#include "frontend/zh_tarn.h"

#include "controls/control_makers.h"
#include "controls/palette.h"
#include "frontend/converter/converter_commands.h"
#include "pictures/glyphs.h"
#include "toolkit/file_names.h"

namespace {

const TFont kSans11(L"MS Sans Serif", 11);
const TFont kSans13(L"MS Sans Serif", 13);
const TFont kArial12(L"Arial", 12);
const TFont kHeaderFont(L"Arial", 19, fsBold, clGray);

const ButtonLook kMainButton{kButtonFace, clWhite, true, true, kSans11};
const ButtonLook kBottomButton{kFootButtonFace, clBtnFace, false, true, TFont(L"Arial", 12)};
const ButtonLook kPageButton{kLightButtonFace, kPageBackground, false, true, kSans11};

TPanel* MakeWhiteFrame(TControl* parent) {
  auto* panel = Placed<TPanel>(parent, {11, 20, 146, 121});
  panel->SetBevelOuter(TBevelCut::bvLowered);
  panel->SetColor(clWhite);
  return panel;
}

// The header every parameter page starts with.
TStaticText* MakePageHeader(TTabSheet* page, const wchar_t* text) {
  auto* header = Placed<TStaticText>(page, {0, 0, page->ClientRect().right, 17});
  header->SetAlign(TAlign::alTop);
  header->SetAlignment(TAlignment::taCenter);
  header->SetCaption(text);
  header->SetColor(clGray);
  header->SetFont(TFont(L"MS Sans Serif", 11, fsBold, clWhite));
  return header;
}

TSpeedButton* MakeSpeedButton(TControl* parent, const TBounds& bounds, const wchar_t* caption,
                              TGlyph glyph) {
  auto* button = Placed<TSpeedButton>(parent, bounds);
  button->SetCaption(caption);
  button->SetGlyph(std::move(glyph.normal), std::move(glyph.disabled));
  return button;
}

}  // namespace

// The program directory is taken first: the tree and the file list move the
// current directory as they are built.
Tzh_tarnF::Tzh_tarnF(TComponent* owner) : TForm(owner), programDir_(CurrentDirectory()) {
  SetCaption(L"ZH_tarn");
  SetBorderStyle(TBorderStyle::bsDialog);
  SetClientSize(693, 488);
  SetPosition(TPosition::poDesktopCenter);
  SetColor(clBtnFace);
  SetFont(kSans11);

  Panel1 = Placed<TPanel>(this, {0, 0, 693, 457});
  Panel1->SetAlign(TAlign::alTop);
  Panel1->SetColor(kWindowBackground);
  BuildHeader();
  BuildBrowsing();
  BuildCommands();
  BuildOperators();
  BuildFileGroups();
  BuildBottom();
  BindEvents();
  // The first thing to do is to find the model.
  SetActiveControl(*MDL_D);
}

void Tzh_tarnF::BuildHeader() {
  Panel2 = Placed<TPanel>(Panel1, {1, 1, 691, 32});
  Panel2->SetAlign(TAlign::alTop);
  Panel2->SetBevelOuter(TBevelCut::bvNone);
  OvcLabel2 = MakeLabel(Panel2, L"    Win utility for  ", 0, 4, kHeaderFont);
  Label2 = MakeFixedLabel(Panel2, {148, 11, 77, 16}, L"its author's");
  Label2->SetFont(TFont(L"MS Sans Serif", 13, fsBold, clGray));
  OvcLabel1 = MakeLabel(Panel2, L"TARN", 224, 4, kHeaderFont);
  SpeedButton4 = MakeSpeedButton(Panel2, {288, 4, 61, 25}, L"&Help", BookGlyph());
  Label6 = MakeLabel(Panel2, L"V2.0", 352, 9, TFont(L"Arial", 12, fsItalic, clBlack));
  Label8 = MakeFixedLabel(Panel2, {388, 4, 291, 32}, L"Label8");
  Label8->SetAlignment(TAlignment::taRightJustify);
  Label8->SetFont(TFont(L"Arial", 24));
}

void Tzh_tarnF::BuildBrowsing() {
  constexpr TBounds kPanel{16, 44, 269, 397};
  Panel5 = Placed<TPanel>(Panel1, kPanel);
  Panel5->SetBevelOuter(TBevelCut::bvNone);
  Panel5->SetBevelInner(TBevelCut::bvLowered);
  Panel5->SetParentColor(true);
  // Made filling the panel within its one-pixel bevel, as it is aligned at
  // start: the folders it reads in as it is made are laid out once, at the
  // size shown.
  MDL_D = Placed<TRzDirectoryTree>(Panel5, {1, 1, kPanel.width - 2, kPanel.height - 2});
  MDL_D->SetIndent(19);
  MDL_D->SetAccessibleName(L"Folders");
  Memo1 = Placed<TMemo>(Panel5, {4, 120, 261, 89});
  Memo1->SetBorder(false);
  Memo1->SetColor(clWhite);
  Memo1->SetFont(kArial12);
  Memo1->SetReadOnly(true);
  Memo1->Hide();
  Button1 = MakeButton(Panel5, {184, 360, 73, 25}, L"Close",
                       {kLightButtonFace, clWhite, false, true, kArial12});
}

void Tzh_tarnF::BuildCommands() {
  DsGroup3 = MakeGroup(Panel1, {296, 40, 385, 173}, L"TARN commands", kCommandsGroupFace);
  BuildCommandRows();
  cbHideLog = Placed<TCheckBox>(DsGroup3, {16, 148, 157, 17});
  cbHideLog->SetCaption(L"Hide Dos TARN window");
  cbHideLog->SetChecked(true);
  SpeedButton2 = MakeSpeedButton(DsGroup3, {192, 140, 25, 25}, L"", WritingHandGlyph());
  SpeedButton2->SetHint(L"Edit TARN.INI configuration file");
  SpeedButton2->SetShowHint(true);
  Panel3 = Placed<TPanel>(DsGroup3, {224, 28, 153, 137});
  Panel3->SetBevelOuter(TBevelCut::bvLowered);
  Panel3->SetColor(kPageBackground);
  dsPage = Placed<TPageControl>(Panel3, {1, 1, 151, 135});
  dsPage->SetAlign(TAlign::alClient);
  dsPage->SetTabSize(10, 14);
  dsPage->SetUserSwitching(false);
  BuildPages();
  // Lies over the page tabs, so only the program switches pages.
  Panel4 = Placed<TPanel>(DsGroup3, {225, 29, 150, 16});
  Panel4->SetCaption(L"Command parameters");
  Panel4->SetBevelOuter(TBevelCut::bvNone);
  Panel4->SetColor(kPageBackground);
}

// One row per command, in chain order, captioned from the command table;
// the command's letter, first in the caption, flips its box with Alt.
void Tzh_tarnF::BuildCommandRows() {
  struct Row {
    TCheckBox*& box;
    TLabel*& label;
    int top;
  };
  const Row rows[] = {{dsF, dsFt, 28},  {dsC, dsCt, 44},  {dsT, dsTt, 60},
                      {dsS, dsSt, 88},  {dsR, dsRt, 104}, {dsZ, dsZt, 120}};
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    row.box = Placed<TCheckBox>(DsGroup3, {16, row.top, 13, 13});
    row.label = MakeFixedLabel(DsGroup3, {36, row.top, 170, 13},
                               (L"&" + std::wstring(ConverterCommands()[i].caption)).c_str());
    row.label->SetColor(kCommandAtRest);
    row.label->SetFocusControl(row.box);
    NameBy(row.box, row.label);
  }
  SetLabelsAtRest();
}

// The first page shows at start; the others get their controls when they
// are first shown, or when their fields are asked for.
void Tzh_tarnF::BuildPages() {
  TabSheet1 = dsPage->AddPage(L"TabSheet1");
  StaticText8 = MakePageHeader(TabSheet1, L" FS2004 to FS2002");
  Label9 = MakeLabel(TabSheet1, L"Converting to FS2002....", 12, 40);
  TabSheet2 = dsPage->AddPage(L"TabSheet2");
  TabSheet2->SetContentMaker([this] {
    StaticText7 = MakePageHeader(TabSheet2, L"  FS2002 to CFS2");
    Label10 = MakeLabel(TabSheet2, L"Converting to CFS2....", 20, 40);
  });
  TabSheet3 = dsPage->AddPage(L"TabSheet3");
  TabSheet3->SetContentMaker([this] { BuildAnimationPage(); });
  TabSheet4 = dsPage->AddPage(L"TabSheet4");
  TabSheet4->SetContentMaker([this] { BuildShiningPage(); });
  TabSheet5 = dsPage->AddPage(L"TabSheet5");
  TabSheet5->SetContentMaker([this] {
    StaticText5 = MakePageHeader(TabSheet5, L"  Reflective model");
    Label11 = MakeLabel(TabSheet5, L"FS2004 model function only", 8, 48);
    speedbutton1 = MakeButton(TabSheet5, {68, 84, 73, 25}, L"Set", kPageButton);
    speedbutton1->OnClick = [this](TComponent* sender) { SpeedButton2Click(sender); };
  });
  TabSheet6 = dsPage->AddPage(L"TabSheet6");
  TabSheet6->SetContentMaker([this] { BuildSizePage(); });
}

void Tzh_tarnF::BuildAnimationPage() {
  StaticText6 = MakePageHeader(TabSheet3, L" Model animation");
  Memo3 = Placed<TMemo>(TabSheet3, {4, 24, 137, 85}, TWordWrap::wwKeepLines);
  Memo3->SetReadOnly(true);
  Memo3->SetBorder(false);
  Memo3->SetParentColor(true);
  Memo3->SetLines({L"Fix the model animation.", L"", L"After this conversion you ",
                   L"can check the new CFS2 ", L"model. ", L"", L""});
}

void Tzh_tarnF::BuildShiningPage() {
  StaticText2 = MakePageHeader(TabSheet4, L"  Shining model");
  edRGB = MakeRgbCombo(TabSheet4, {8, 24, 45, 23});
  edRGB->SetText(L"9.9");
  Label13 = MakeLabel(TabSheet4, L"Specular RGB", 56, 28);
  NameBy(edRGB, Label13);
  edPower = MakeSpin(TabSheet4, {8, 52, 45, 24}, 0, 300, 20, 3);
  edPower->SetFont(kArial12);
  edPower->SetValue(10);
  Label12 = MakeLabel(TabSheet4, L"Specular power", 56, 60);
  NameBy(edPower, Label12);
  speedbutton5 = MakeButton(TabSheet4, {68, 84, 73, 25}, L"Example", kPageButton);
  speedbutton5->OnClick = [this](TComponent* sender) { SpeedButton5Click(sender); };
  ShowShiningSettings();
}

void Tzh_tarnF::BuildSizePage() {
  StaticText1 = MakePageHeader(TabSheet6, L"  Collision bubble");
  edSize = MakeSpin(TabSheet6, {12, 36, 41, 22}, 1, 16, 1, 2);
  edSize->SetValue(7);
  Label3 = MakeLabel(TabSheet6, L"Aircraft size", 60, 40);
  NameBy(edSize, Label3);
  xpButton1 = MakeButton(TabSheet6, {68, 84, 73, 25}, L"Example", kPageButton);
  xpButton1->OnClick = [this](TComponent* sender) { SpeedButton6Click(sender); };
  ShowSizeSettings();
}

void Tzh_tarnF::BuildOperators() {
  DsGroup4 = MakeGroup(Panel1, {12, 324, 201, 81}, L"TARN operators", kResultsGroupFace);
  DsGroup4->Hide();
  struct Operator {
    TDsCheck*& box;
    int top;
    int width;
    const wchar_t* caption;
  };
  const Operator operators[] = {{opK, 20, 185, L"k - Manual keyframe set  MD8"},
                                {opF, 36, 189, L"f  - CFS2 stock file format  MD2"},
                                {opD, 52, 185, L"d - Transparent part disable  MDR"}};
  for (const Operator& op : operators) {
    op.box = Placed<TDsCheck>(DsGroup4, {8, op.top, op.width, 17});
    op.box->SetCaption(op.caption);
    op.box->SetCaptionAlign(TDsAlignment::taLeft);
    op.box->SetCaptionStyle(TDsTextStyle::txPlain);
    op.box->SetButtonStyle(TButtonStyle::ckFlat);
    op.box->SetCheckColor(clBlack);
    op.box->SetFocusRectangle(true);
    op.box->SetChecked(false);
    op.box->SetEnabled(false);
  }
}

void Tzh_tarnF::BuildFileGroups() {
  DsGroup1 = MakeGroup(Panel1, {296, 228, 169, 153}, L"Source &MDL file", kGroupFace);
  Panel7 = MakeWhiteFrame(DsGroup1);
  MDL_f = Placed<TRzFileListBox>(Panel7, {1, 1, 144, 119});
  MDL_f->SetAlign(TAlign::alClient);
  MDL_f->SetMask(L"*.MDL");
  MDL_f->SetFont(kArial12);
  MDL_f->SetItemHeight(14);
  NameBy(MDL_f, DsGroup1);

  Image1 = Placed<TImage>(Panel1, {472, 292, 30, 33});
  Image1->SetPicture(YellowArrow());
  Image1->SetTransparent(true);

  DsGroup2 = MakeGroup(Panel1, {508, 228, 169, 209}, L"Con&verted files", kResultsGroupFace);
  Panel6 = MakeWhiteFrame(DsGroup2);
  memo2 = Placed<TListBox>(Panel6, {1, 1, 144, 119});
  memo2->SetAlign(TAlign::alClient);
  memo2->SetBorder(false);
  memo2->SetItemHeight(13);
  NameBy(memo2, DsGroup2);
  Label1 = MakeFixedLabel(DsGroup2, {12, 144, 145, 13}, L"Label1");
  Label1->SetAlignment(TAlignment::taCenter);

  ButtonLook start = kMainButton;
  start.font = kSans13;
  buConvert = MakeButton(Panel1, {312, 392, 137, 37}, L"Start c&onversion", start);
  buInsert = MakeButton(Panel1, {524, 396, 65, 29}, L"R&eplace", kMainButton);
  buInsert->SetHint(L"Replace [Source-MDL] with selected [Converted-file]");
  buInsert->SetShowHint(true);
  buSaveas = MakeButton(Panel1, {596, 396, 65, 29}, L"Save &As", kMainButton);
  buSaveas->SetHint(L"Save selected [Converted file] with selected path/name");
  buSaveas->SetShowHint(true);
  md_files = Placed<TFileListBox>(Panel1, {124, 228, 153, 57});
  md_files->SetItemHeight(13);
  md_files->Hide();
}

void Tzh_tarnF::BuildBottom() {
  OvcController1 = Add<TOvcController>();
  OVC1 = Placed<TOvcTextFileViewer>(Panel1, {24, 261, 193, 88});
  OVC1->SetController(OvcController1);
  OVC1->SetTabSize(8);
  OVC1->SetShowBookmarks(true);
  OVC1->SetHideCaret(true);
  OVC1->SetBorder(false);
  OVC1->SetColor(kLogBackground);
  OVC1->Hide();

  SpeedButton3 = MakeSpeedButton(this, {8, 460, 97, 26}, L"TARN &info", QuestionGlyph());
  SpeedButton3->SetFont(TFont(L"MS Sans Serif", 11, fsBold));
  buLog = MakeButton(this, {104, 460, 97, 25}, L"View log", kBottomButton);
  buClose = MakeButton(this, {600, 460, 75, 25}, L"Close", kBottomButton);

  SaveAsDlg = Add<TSaveDialog>();
  SaveAsDlg->Options = ofOverwritePrompt | ofEnableSizing | ofHideReadOnly;
  SaveAsDlg->FilterIndex = 0;
  SaveAsDlg->Filter =
      L"aircraft model file|*.mdl|FS2002 model file|*.md8|CFS2 model file|*.md2|"
      L"CFS2 fixed animation file|*.mdt|CFS2 shining model file|*.mds|"
      L"CFS2 reflective model file|*.mdr|Model size file|*.mdz";
}

void Tzh_tarnF::BindEvents() {
  const auto handler = [this](void (Tzh_tarnF::*method)(TComponent*)) {
    return [this, method](TComponent* sender) { (this->*method)(sender); };
  };
  OnCreate = handler(&Tzh_tarnF::FormCreate);
  OnShow = handler(&Tzh_tarnF::FormShow);
  OnClose = [this](TComponent* sender, TCloseAction& action) { FormClose(sender, action); };
  OnQueryEndSession = [this](TComponent* sender, bool& canEnd) {
    FormQueryEndSession(sender, canEnd);
  };
  OnEndSession = handler(&Tzh_tarnF::FormEndSession);
  OnKeyDown = [this](TComponent* sender, WORD& key, TShiftState shift) {
    FormKeyDown(sender, key, shift);
  };
  OnDropFiles = [this](TComponent* sender, const std::vector<std::wstring>& files) {
    FormDropFiles(sender, files);
  };
  OnCopyText = [this](TComponent* sender, ULONG_PTR tag, const std::wstring& text) {
    return FormCopyText(sender, tag, text);
  };
  SetAcceptFiles(true);

  MDL_D->SetFileList(MDL_f);
  MDL_D->OnChanging = handler(&Tzh_tarnF::MDL_DChanging);
  MDL_D->OnClick = handler(&Tzh_tarnF::MDL_DClick);
  MDL_f->OnClick = handler(&Tzh_tarnF::MDL_fClick);
  memo2->OnClick = handler(&Tzh_tarnF::memo2Click);

  const auto mouseUp = [this](TComponent* sender, TMouseButton button, TShiftState shift, int x,
                              int y) { dsFMouseUp(sender, button, shift, x, y); };
  // Space or a label's letter on a box does what a release of the mouse does.
  const auto keyToggle = [this](TComponent* sender) {
    dsFMouseUp(sender, TMouseButton::mbLeft, 0, 0, 0);
  };
  for (TCheckBox* box : {dsF, dsC, dsT, dsS, dsR, dsZ}) {
    box->OnMouseUp = mouseUp;
    box->OnKeyToggle = keyToggle;
  }
  dsF->OnClick = handler(&Tzh_tarnF::dsFClick);
  for (TLabel* label : {dsFt, dsCt, dsTt, dsSt, dsRt, dsZt}) {
    label->OnClick = handler(&Tzh_tarnF::dsFClick);
  }
  opK->OnClick = handler(&Tzh_tarnF::opKClick);

  buConvert->OnClick = handler(&Tzh_tarnF::buConvertClick);
  buInsert->OnClick = handler(&Tzh_tarnF::buInsertClick);
  buSaveas->OnClick = handler(&Tzh_tarnF::buSaveasClick);
  buLog->OnClick = handler(&Tzh_tarnF::buLogClick);
  SpeedButton2->OnClick = handler(&Tzh_tarnF::SpeedButton2Click);
  SpeedButton3->OnClick = handler(&Tzh_tarnF::SpeedButton3Click);
  SpeedButton4->OnClick = handler(&Tzh_tarnF::SpeedButton4Click);
  buClose->OnClick = handler(&Tzh_tarnF::buCloseClick);
  Button1->OnClick = handler(&Tzh_tarnF::Button1Click);
}
