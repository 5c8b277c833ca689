#pragma once

#include "toolkit/gdi.h"

inline constexpr int kAircraftViewWidth = 245;
inline constexpr int kAircraftViewHeight = 150;

enum class TAircraftType { Fighter, FighterBomber, MediumBomber, HeavyBomber };

// A top view of an aircraft of the type on the apron, nose up, centred. All
// types are drawn to one scale, so the larger types fill more of the
// picture.
Bitmap AircraftView(TAircraftType type);
