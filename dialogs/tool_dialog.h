#pragma once

#include "toolkit/form.h"

// What the three dialogs share: a tool-window border (a narrow title bar
// with a close box only, not resizable), a client area of a fixed size, and
// MS Sans Serif 11.
class TToolDialog : public TForm {
 protected:
  TToolDialog(TComponent* owner, const wchar_t* caption, int width, int height,
              TPosition position);
};
