#pragma once
// Screen coordinate (a double) to pixel coordinate (32-bit).

#include <cstdint>

// Truncates toward zero to a 64-bit integer and keeps its low 32 bits as a signed number, so
// far coordinates wrap. Raises EInvalidOp for a non-finite value or one outside the signed
// 64-bit range.
std::int32_t PixelCoordinate(double v);
