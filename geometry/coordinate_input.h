#pragma once
// The conversion side of reading the eighteen coordinate fields.

#include <array>
#include <string>

#include "geometry/types.h"

inline constexpr int kCoordinateFieldCount = 18;

// Field texts in reading order: plane 1 T1 x, y, z, T2 x, y, z, T3 x, y, z, then plane 2 alike.
using CoordinateTexts = std::array<std::string, kCoordinateFieldCount>;

// Converts the texts in reading order with StrToFloat; the first text that fails ends the
// conversion with its error, and the texts after it are not converted.
SceneInput ConvertCoordinates(const CoordinateTexts& texts);
