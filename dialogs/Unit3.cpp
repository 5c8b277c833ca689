#include "dialogs/Unit3.h"

#include "controls/palette.h"
#include "dialogs/main_window_view.h"

namespace {

TOvcURL* MakeLink(TForm3* form, int top) {
  auto* link = form->Add<TOvcURL>(form);
  link->SetAutoSize(false);
  link->Place({40, top, 421, 13});
  link->SetColor(clWhite);
  link->SetFont(TFont(L"MS Sans Serif", 11, fsUnderline, clBlue));
  link->SetHighlightColor(clRed);
  link->SetVisitedColor(clBlack);
  return link;
}

}  // namespace

TForm3::TForm3(TComponent* owner) : TToolDialog(owner, L"", 493, 182, TPosition::poScreenCenter) {
  SetStayOnTop(true);

  Shape1 = Add<TShape>(this);
  Shape1->Place({8, 12, 477, 161});
  Shape1->SetPen({kCardFrame, 2});
  Shape1->SetBrush({clWhite});
  URL1 = MakeLink(this, 120);
  URL2 = MakeLink(this, 140);
  Label1 = Add<TLabel>(this);
  Label1->Place({20, 24, 110, 19});
  Label1->SetFont(TFont(L"Arial", 16, fsBold));
  Label1->SetCaption(L"  Missing files  ");
  Label1->SetColor(clWhite);
  Memo1 = Add<TMemo>(this, std::nullopt, TWordWrap::wwKeepLines);
  Memo1->Place({16, 48, 461, 73});
  Memo1->SetBorder(false);
  Memo1->SetColor(clWindow);
  Memo1->SetLines({
      L"The TARN program by J. Maren was not found. In order to use this software you  must "
      L"have a ",
      L"copy of the TARN files installed in the same directory as this zh_tarn software.",
      L"",
      L"The TANR program can be downloaded from the addresses below. Search for: tarn_b85.zip.",
      L"Version should be Beta 85  (or newer)."});
  OnShow = [this](TComponent* sender) { FormShow(sender); };
}

void TForm3::FormShow(TComponent*) {
  Label1->SetCaption(L" Missing files: " + zh_tarnF->MissingFileName());
  URL1->SetURL(kDownloadPage);
  URL2->SetURL(kDownloadArchive);
}
