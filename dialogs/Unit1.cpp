#include "dialogs/Unit1.h"

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  SetCaption(L"Form1");
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(648, 472);
  SetPosition(TPosition::poScreenCenter);
}
