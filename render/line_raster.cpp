#include "render/line_raster.h"

#include <algorithm>
#include <cstdint>

// The segment is never stepped from its start: the step indices i whose pixel can lie on the
// bitmap are found first, in closed form, and only those are walked. A segment of any 32-bit
// length therefore costs at most one step per column (or row) of the bitmap.

namespace {

using int64 = std::int64_t;
// |delta| reaches 2^32 − 1, so 2·i·|delta| reaches about 2^66: past 64 bits.
__extension__ typedef __int128 int128;

// A closed range of step indices; empty when lo > hi.
struct TStepRange {
  int64 lo = 0;
  int64 hi = -1;
};

TStepRange Intersect(TStepRange a, TStepRange b) {
  return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)};
}

// One axis of the segment: coordinate = start + step·k for k = 0, 1, …
struct TAxis {
  int64 start = 0;
  int64 step = 1;    // ±1; +1 when the axis does not move
  int64 delta = 0;   // |end − start|, at most 2^32 − 1
  int64 extent = 0;  // the bitmap's size along this axis
};

TAxis MakeAxis(std::int32_t from, std::int32_t to, int extent) {
  const int64 d = int64{to} - int64{from};  // int64: the difference of two int32 may overflow
  return {from, d < 0 ? -1 : 1, d < 0 ? -d : d, extent};
}

// Division rounding down / up; den > 0. Built-in division truncates toward zero, which for a
// negative numerator is the ceiling, not the floor.
int128 FloorDiv(int128 num, int128 den) {
  const int128 q = num / den;
  return num % den < 0 ? q - 1 : q;
}
int128 CeilDiv(int128 num, int128 den) {
  const int128 q = num / den;
  return num % den > 0 ? q + 1 : q;
}

// Narrows a bound computed in 128 bits to [−1, n]: every index outside [0, n) is equally
// invisible, and the clamp keeps the result within 64 bits.
int64 ClampToSteps(int128 v, int64 n) {
  return static_cast<int64>(std::clamp<int128>(v, -1, n));
}

// The k for which start + step·k lies on [0, extent). |start| ≤ 2^31 and extent < 2^31, so
// the bounds fit easily in 64 bits.
TStepRange OnBitmap(const TAxis& axis) {
  if (axis.step > 0) return {-axis.start, axis.extent - 1 - axis.start};
  return {axis.start - axis.extent + 1, axis.start};
}

// The minor offset of step i: q(i) = ⌊(2·i·m + n) / (2·n)⌋ with n = major delta ≥ 1 and
// m = minor delta ≤ n. It never decreases with i, so the steps whose q lies in [qlo, qhi] form
// one range, found by solving the two inequalities for i:
//   q(i) ≥ qlo  ⟺  2·i·m ≥ n·(2·qlo − 1)  ⟺  i ≥ ⌈n·(2·qlo − 1) / (2·m)⌉
//   q(i) ≤ qhi  ⟺  2·i·m < n·(2·qhi + 1)  ⟺  i ≤ ⌊(n·(2·qhi + 1) − 1) / (2·m)⌋
// |qlo|, |qhi| ≤ 2^32 and n < 2^32, so the numerators stay below 2^66: 128 bits.
TStepRange StepsWithMinorOffsetIn(TStepRange offsets, int64 n, int64 m) {
  if (m == 0) {  // the minor coordinate never moves: every step or none
    if (offsets.lo <= 0 && 0 <= offsets.hi) return {0, n - 1};
    return {};
  }
  const int128 two_m = 2 * int128{m};
  const int128 lo = CeilDiv(int128{n} * (2 * int128{offsets.lo} - 1), two_m);
  const int128 hi = FloorDiv(int128{n} * (2 * int128{offsets.hi} + 1) - 1, two_m);
  return {ClampToSteps(lo, n), ClampToSteps(hi, n)};
}

}  // namespace

void DrawLine(TBitmap& bitmap, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
              TColor colour) {
  const TAxis x = MakeAxis(x0, x1, bitmap.Width());
  const TAxis y = MakeAxis(y0, y1, bitmap.Height());
  const bool x_major = x.delta >= y.delta;
  const TAxis& major = x_major ? x : y;
  const TAxis& minor = x_major ? y : x;
  const int64 n = major.delta;  // the number of pixels the rule lights
  const int64 m = minor.delta;
  if (n == 0) return;

  TStepRange visible{0, n - 1};
  visible = Intersect(visible, OnBitmap(major));
  visible = Intersect(visible, StepsWithMinorOffsetIn(OnBitmap(minor), n, m));
  if (visible.lo > visible.hi) return;

  // The exact state at the first visible step: q = ⌊num / (2·n)⌋, remainder r = num mod 2·n,
  // num = 2·i·m + n ≥ 0. Each further step adds 2·m ≤ 2·n to num, so q grows by at most one.
  // r < 2·n < 2^33, so the walk itself needs only 64 bits.
  const int64 two_n = 2 * n;
  const int128 num = 2 * int128{visible.lo} * m + n;
  const int64 q = static_cast<int64>(num / two_n);
  int64 r = static_cast<int64>(num % two_n);

  // Pixel coordinates and their per-step moves, the major and minor axes mapped onto x and y.
  const int64 major_offset = major.step * visible.lo;
  const int64 minor_offset = minor.step * q;
  int64 px = x0 + (x_major ? major_offset : minor_offset);
  int64 py = y0 + (x_major ? minor_offset : major_offset);
  const int64 major_dx = x_major ? major.step : 0;
  const int64 major_dy = x_major ? 0 : major.step;
  const int64 minor_dx = x_major ? 0 : minor.step;
  const int64 minor_dy = x_major ? minor.step : 0;

  // The range is exact, so every pixel walked lies on the bitmap.
  for (int64 i = visible.lo; i <= visible.hi; ++i) {
    bitmap.SetPixel(static_cast<int>(px), static_cast<int>(py), colour);
    px += major_dx;
    py += major_dy;
    r += 2 * m;
    if (r >= two_n) {
      r -= two_n;
      px += minor_dx;
      py += minor_dy;
    }
  }
}
