#pragma once

#include "toolkit/form.h"

// The aircraft size dialog, opened from the collision bubble page's
// "Example" button. For now only its window: caption, border, size and
// place.
class TForm2 : public TForm {
 public:
  explicit TForm2(TComponent* owner);
};
