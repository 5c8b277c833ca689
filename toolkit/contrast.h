#pragma once

#include "toolkit/colors.h"

// What a colour is for, when a high-contrast theme replaces the program's
// own colours with the system's.
enum class TColorRole {
  crFace,           // behind controls and on button faces
  crText,           // text and lines on a face
  crWindow,         // behind editable or listed content
  crWindowText,     // text on a window background
  crHighlight,      // a selected or hot item, a focus ring
  crHighlightText,  // text on a highlight
  crLink,           // a link's text
  crUnavailable,    // text of a disabled control
};

// The role of text written on a background of the role.
TColorRole TextRoleOn(TColorRole background);

// Whether a high-contrast theme is on, as last read from the system (read
// once on first use and again by RefreshHighContrast).
bool HighContrast();
// Reads the mode from the system again; a window calls it when the colours
// or the accessibility settings change.
void RefreshHighContrast();

// The system colour that stands for role.
TColor RoleColor(TColorRole role);
// The colour to paint with: own outside high contrast; inside, the role's
// system colour, unless own already is a system colour (which follows the
// theme by itself).
TColor Themed(TColor own, TColorRole role);

// Forces the mode for as long as it lives, whatever the system says; the
// previous state comes back with its end. Made for tests.
class THighContrastOverride {
 public:
  explicit THighContrastOverride(bool on);
  THighContrastOverride(const THighContrastOverride&) = delete;
  THighContrastOverride& operator=(const THighContrastOverride&) = delete;
  ~THighContrastOverride();

 private:
  int previous_;
};
