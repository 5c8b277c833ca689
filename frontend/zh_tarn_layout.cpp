#include "frontend/zh_tarn.h"

Tzh_tarnF* zh_tarnF = nullptr;

Tzh_tarnF::Tzh_tarnF(TComponent* owner) : TForm(owner) {
  SetCaption(L"ZH_tarn");
  SetBorderStyle(TBorderStyle::bsDialog);
  SetClientSize(693, 488);
  SetPosition(TPosition::poDesktopCenter);
  SetColor(clBtnFace);
  SetIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
}
