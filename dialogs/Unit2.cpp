#include "dialogs/Unit2.h"

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  SetCaption(L"Aircraft model size");
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(464, 253);
  SetPosition(TPosition::poOwnerFormCenter);
}
