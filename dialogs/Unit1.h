#pragma once

#include "toolkit/form.h"

// The shining example dialog, opened from the shining page's "Example"
// button. For now only its window: caption, border, size and place.
class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);
};
