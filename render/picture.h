#pragma once
// The picture: nine scene segments, then the three axes, each later one on top.

#include "render/bitmap.h"

inline constexpr TColor kLineColour = 0x0000FF;    // red: the intersection line
inline constexpr TColor kPlane1Colour = 0xFF0000;  // blue: the first plane's patch
inline constexpr TColor kPlane2Colour = 0x800080;  // purple: the second plane's patch
inline constexpr TColor kAxisXYColour = 0x000000;  // black: X and Y axes
inline constexpr TColor kAxisZColour = 0x00FF00;   // lime green: Z axis

// The long segment 10–11 in red, the patch 2–3–5–4 in blue, the patch 6–7–9–8 in purple,
// from the screen coordinates of SceneTable.
void DrawScene();

// X and Y axes in black, each setting its colour, then the Z axis in lime, from AxisTable.
void DrawAxes();
