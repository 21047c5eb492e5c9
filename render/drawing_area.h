#pragma once
// The one place through which the drawing reaches the main window's drawing area. The window
// binds its own area when it is created; until then, and in headless use, a 585 × 513 area
// stands for it.

#include "render/canvas.h"

inline constexpr int kDrawingAreaWidth = 585;
inline constexpr int kDrawingAreaHeight = 513;

TDrawingArea& Image1();

// nullptr returns to the stand-in area.
void BindImage1(TDrawingArea* area);

// The stand-in area used while no window is bound.
TImageSurface& HeadlessImage1();
