#include "toolkit/contrast.h"

namespace {

// The mode as forced by an override: -1 none, 0 off, 1 on.
int forcedMode = -1;
// The mode as last read from the system: -1 not yet read.
int systemMode = -1;

bool SystemHighContrast() {
  HIGHCONTRASTW info{sizeof(info), 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(info), &info, 0) &&
         (info.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

bool HighContrast() {
  if (forcedMode >= 0) return forcedMode == 1;
  if (systemMode < 0) RefreshHighContrast();
  return systemMode == 1;
}

void RefreshHighContrast() { systemMode = SystemHighContrast() ? 1 : 0; }

TColor RoleColor(TColorRole role) {
  switch (role) {
    case TColorRole::crFace:
      return clBtnFace;
    case TColorRole::crText:
      return clBtnText;
    case TColorRole::crWindow:
      return clWindow;
    case TColorRole::crWindowText:
      return clWindowText;
    case TColorRole::crHighlight:
      return clHighlight;
    case TColorRole::crHighlightText:
      return clHighlightText;
    case TColorRole::crLink:
      return SystemColor(COLOR_HOTLIGHT);
    case TColorRole::crUnavailable:
      return clGrayText;
  }
  return clBtnText;
}

TColorRole TextRoleOn(TColorRole background) {
  switch (background) {
    case TColorRole::crWindow:
      return TColorRole::crWindowText;
    case TColorRole::crHighlight:
      return TColorRole::crHighlightText;
    default:
      return TColorRole::crText;
  }
}

TColor Themed(TColor own, TColorRole role) {
  if (!HighContrast() || IsSystemColor(own)) return own;
  return RoleColor(role);
}

THighContrastOverride::THighContrastOverride(bool on) : previous_(forcedMode) { forcedMode = on ? 1 : 0; }

THighContrastOverride::~THighContrastOverride() { forcedMode = previous_; }
