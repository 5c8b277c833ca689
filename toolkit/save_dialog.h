#pragma once

#include "toolkit/component.h"
#include "toolkit/interaction.h"

// The system's common Save dialog, as a component whose fields preset it.
class TSaveDialog : public TComponent, public TSaveRequest {
 public:
  explicit TSaveDialog(TComponent* owner) : TComponent(owner) {}

  // Asks the user; true with FileName set when a name was chosen.
  bool Execute() { return Interaction().ExecuteSave(*this); }
};
