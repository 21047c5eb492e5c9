#pragma once
// The two planes, their intersection line and the twelve points of the scene.

#include "geometry/types.h"

// World points after BuildScene; screen points after the cycle's projection. All zero at start.
extern TSceneTable SceneTable;

// Computes both planes, the intersection line and its point nearest the origin, and writes all
// twelve points of SceneTable in the order 0, 1, 10, 11, 2 … 9, w = 1.
// Degenerate input (a plane's points on one line, parallel planes, a line parallel to the XY
// plane) raises EZeroDivide or EInvalidOp before anything is written; EOverflow on results
// beyond the double range.
void BuildScene(const SceneInput& input);
