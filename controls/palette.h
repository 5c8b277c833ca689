#pragma once

#include "toolkit/colors.h"

// The program's own colours, each named for what it colours (Windows colour
// values: red in the low byte, then green, then blue).

// Behind the main window's panels and groups.
inline constexpr TColor kWindowBackground = 14215660;
// The face of the main window's groups, and of what sits on it.
inline constexpr TColor kGroupFace = 13423306;
// The faces the commands group and the operators and converted files
// groups are laid out with, before the window takes kGroupFace for all.
inline constexpr TColor kCommandsGroupFace = 12309965;
inline constexpr TColor kResultsGroupFace = 13096648;
// Behind a command's caption, at rest and while its command runs.
inline constexpr TColor kCommandAtRest = 14343902;
inline constexpr TColor kCommandRunning = 13103345;
// The parameter pages and the heading over them.
inline constexpr TColor kPageBackground = 14145495;
// Behind the converter's log in the viewer.
inline constexpr TColor kLogBackground = 16252413;

// The dark end of a push button's face: the usual one, the light one of the
// page and log buttons, the one of the buttons at the window's foot.
inline constexpr TColor kButtonFace = 14666957;
inline constexpr TColor kLightButtonFace = 16119285;
inline constexpr TColor kFootButtonFace = 14737622;
// The ring round a push button under the pointer.
inline constexpr TColor kButtonFocus = 3191802;

// Behind the notes of the shining example dialog.
inline constexpr TColor kNoteBackground = 15400189;
// Behind the collision bubble's preview.
inline constexpr TColor kPreviewBackground = 7687936;
// The frame of the missing files notice's card.
inline constexpr TColor kCardFrame = 14994379;
