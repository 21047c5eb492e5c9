#pragma once
// The line primitive's rasterisation rule and its clipped implementation.
//
// Rule: a segment from (x0, y0) to (x1, y1) lights n = max(|dx|, |dy|) pixels, i = 0 … n − 1:
// the start pixel is lit, the end pixel is not (so a zero-length segment lights nothing, and
// consecutive segments never light their shared corner twice). The major axis is x when
// |dx| >= |dy|, else y. Pixel i is, along the major axis, start + i·(major step); along the
// minor axis, start + sign·⌊(2·i·|minor delta| + |major delta|) / (2·|major delta|)⌋, that is
// i·|minor delta| / |major delta| rounded half away from the start.

#include <cstdint>

#include "render/bitmap.h"

// Lights, in colour, exactly the pixels of the rule that fall on the bitmap. Any 32-bit
// endpoints; the work is bounded by the bitmap's size, not by the segment's length.
void DrawLine(TBitmap& bitmap, std::int32_t x0, std::int32_t y0, std::int32_t x1,
              std::int32_t y1, TColor colour);
