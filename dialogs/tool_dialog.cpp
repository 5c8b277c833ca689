#include "dialogs/tool_dialog.h"

TToolDialog::TToolDialog(TComponent* owner, const wchar_t* caption, int width, int height,
                         TPosition position)
    : TForm(owner) {
  SetCaption(caption);
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(width, height);
  SetPosition(position);
  SetFont(TFont(L"MS Sans Serif", 11));
}
