#pragma once
// World to screen: the viewing matrix, perspective projection of the scene and the orthographic
// projection of the coordinate axes. Screen y grows downward; the world origin lands on
// (shiftX, −shiftY).

#include <array>

#include "geometry/types.h"

extern Matrix4 ViewMatrix;         // rebuilt by every BuildViewMatrix
extern Matrix4 ScreenShiftMatrix;  // identity but for its last row (shiftX, shiftY, 0, 1)

// The origin and the tips of the X, Y and Z axes at 500 units; screen points after ProjectAxes.
using TAxisTable = std::array<HPoint, 4>;
extern TAxisTable AxisTable;

// p · M with row vector p, each component summed left to right.
HPoint TransformPoint(const HPoint& p, const Matrix4& m);

// Angles in degrees; puts the eye at distance · (cos a·sin b, sin a·sin b, cos b).
void BuildViewMatrix(double alfa, double beta, double distance);

// Turns SceneTable into screen coordinates in place, five steps each over all twelve points:
// view, perspective (x and y divided by z / zoom), scale 100, shift, flip y.
// Raises EZeroDivide or EInvalidOp for zoom 0 or a point at depth 0, EOverflow when too large.
void ProjectScene();

// Fills AxisTable and projects it with ViewMatrix and ScreenShiftMatrix, without perspective
// or scale: one scene unit along an axis is one pixel.
void ProjectAxes();
