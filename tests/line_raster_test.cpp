#include "render/line_raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "render/bitmap.h"

namespace {

using int64 = std::int64_t;
__extension__ typedef __int128 int128;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Distinct from each other and from white, so that a skipped, misplaced or blended write shows.
constexpr TColor kFill = 0x00ABCDEF;
constexpr TColor kInk = 0x00123456;

struct TSegment {
  std::int32_t x0, y0, x1, y1;
};

std::string Describe(const TSegment& s) {
  std::ostringstream out;
  out << "(" << s.x0 << ", " << s.y0 << ")-(" << s.x1 << ", " << s.y1 << ")";
  return out.str();
}

// The rule straight from its closed form, with no clipping logic: it visits each column (or
// row) of the bitmap along the major axis, derives the step index from it and places the minor
// coordinate by the floor formula. That makes it exact for segments of any length.
TBitmap OracleLine(int width, int height, const TSegment& s) {
  TBitmap bitmap(width, height, kFill);
  const int64 dx = int64{s.x1} - s.x0;
  const int64 dy = int64{s.y1} - s.y0;
  const bool x_major = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const int64 major_start = x_major ? s.x0 : s.y0;
  const int64 minor_start = x_major ? s.y0 : s.x0;
  const int64 major_delta = x_major ? dx : dy;
  const int64 minor_delta = x_major ? dy : dx;
  const int64 n = major_delta < 0 ? -major_delta : major_delta;
  const int64 m = minor_delta < 0 ? -minor_delta : minor_delta;
  const int major_extent = x_major ? width : height;
  const int minor_extent = x_major ? height : width;
  for (int a = 0; a < major_extent; ++a) {
    const int64 i = major_delta < 0 ? major_start - a : a - major_start;
    if (i < 0 || i >= n) continue;
    const int128 q = (2 * int128{i} * m + n) / (2 * int128{n});
    const int128 b = minor_start + (minor_delta < 0 ? -q : q);
    if (b < 0 || b >= minor_extent) continue;
    const int minor = static_cast<int>(b);
    if (x_major) {
      bitmap.SetPixel(a, minor, kInk);
    } else {
      bitmap.SetPixel(minor, a, kInk);
    }
  }
  return bitmap;
}

TBitmap Drawn(int width, int height, const TSegment& s) {
  TBitmap bitmap(width, height, kFill);
  DrawLine(bitmap, s.x0, s.y0, s.x1, s.y1, kInk);
  return bitmap;
}

int CountInk(const TBitmap& bitmap) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) count += bitmap.Pixel(x, y) == kInk ? 1 : 0;
  }
  return count;
}

::testing::AssertionResult SameBitmap(const TBitmap& got, const TBitmap& want) {
  if (got.Width() != want.Width() || got.Height() != want.Height()) {
    return ::testing::AssertionFailure() << "bitmap sizes differ";
  }
  for (int y = 0; y < want.Height(); ++y) {
    for (int x = 0; x < want.Width(); ++x) {
      if (got.Pixel(x, y) != want.Pixel(x, y)) {
        return ::testing::AssertionFailure()
               << "first difference at (" << x << ", " << y << "): got 0x" << std::hex
               << got.Pixel(x, y) << ", want 0x" << want.Pixel(x, y) << std::dec << "; "
               << CountInk(got) << " pixels lit, " << CountInk(want) << " expected";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult MatchesOracle(int width, int height, const TSegment& s) {
  ::testing::AssertionResult result =
      SameBitmap(Drawn(width, height, s), OracleLine(width, height, s));
  if (!result) result << " for " << Describe(s) << " on " << width << "x" << height;
  return result;
}

TBitmap Painted(int width, int height, const std::vector<std::pair<int, int>>& pixels) {
  TBitmap bitmap(width, height, kFill);
  for (const auto& [x, y] : pixels) bitmap.SetPixel(x, y, kInk);
  return bitmap;
}

// Pixel lists worked out by hand from the formula, pinning the rule itself (the oracle only
// restates it).
TEST(LineRule, LightsTheHandComputedPixels) {
  struct TCase {
    const char* name;
    TSegment segment;
    std::vector<std::pair<int, int>> pixels;
  };
  const TCase cases[] = {
      // i·2/5 = 0, 0.4, 0.8, 1.2, 1.6 → 0, 0, 1, 1, 2; the end pixel (5, 2) stays dark.
      {"shallow", {0, 0, 5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      // y major: i·2/4 = 0, 0.5, 1, 1.5 → 0, 1, 1, 2.
      {"steep", {2, 1, 4, 5}, {{2, 1}, {3, 2}, {3, 3}, {4, 4}}},
      // Halves round away from the start, so a segment and its reverse differ.
      {"halves forward", {6, 8, 10, 10}, {{6, 8}, {7, 9}, {8, 9}, {9, 10}}},
      {"halves reversed", {10, 10, 6, 8}, {{10, 10}, {9, 9}, {8, 9}, {7, 8}}},
      // |dx| == |dy|: x is major, and the minor coordinate follows step for step.
      {"diagonal", {3, 3, 0, 6}, {{3, 3}, {2, 4}, {1, 5}}},
      {"one step", {4, 4, 5, 4}, {{4, 4}}},
      {"zero length", {4, 4, 4, 4}, {}},
      // Only the part on the bitmap is lit; (-2, 0) and (-1, 0) fall off the left edge.
      {"clipped start", {-2, 0, 3, 2}, {{0, 1}, {1, 1}, {2, 2}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(SameBitmap(Drawn(32, 24, c.segment), Painted(32, 24, c.pixels)));
  }
}

// Short segments in every direction, each drawn forwards and backwards.
TEST(LineRaster, MatchesOracleInEveryOctant) {
  const TSegment cases[] = {
      // The eight octants, from (16, 12).
      {16, 12, 23, 15},
      {16, 12, 19, 19},
      {16, 12, 13, 19},
      {16, 12, 9, 15},
      {16, 12, 9, 9},
      {16, 12, 13, 5},
      {16, 12, 19, 5},
      {16, 12, 23, 9},
      // Axis-aligned and diagonal.
      {16, 12, 25, 12},
      {16, 12, 7, 12},
      {16, 12, 16, 21},
      {16, 12, 16, 3},
      {16, 12, 21, 17},
      {16, 12, 11, 17},
      {16, 12, 21, 7},
      {16, 12, 11, 7},
      // Exact halves in the minor coordinate, both major axes.
      {2, 2, 10, 6},
      {2, 2, 6, 10},
      {20, 20, 12, 18},
      {20, 20, 18, 12},
      // Long against the bitmap, nearly flat and nearly steep.
      {0, 0, 31, 1},
      {0, 0, 1, 23},
      {31, 23, 0, 22},
      // Zero length, on and off the bitmap.
      {5, 5, 5, 5},
      {-5, -5, -5, -5},
      // Crossing each edge, a corner, and passing just outside a corner.
      {-5, 3, 8, 10},
      {28, 2, 40, 20},
      {10, -6, 14, 6},
      {20, 20, 25, 30},
      {-4, -4, 4, 4},
      {30, -3, 35, 2},
      {-3, 20, 2, 27},
      {-10, 30, 40, -6},
  };
  for (const TSegment& s : cases) {
    EXPECT_TRUE(MatchesOracle(32, 24, s));
    EXPECT_TRUE(MatchesOracle(32, 24, {s.x1, s.y1, s.x0, s.y0}));
  }
}

// Degenerate bitmaps: nothing may be written to an empty one (ASan watches), and a 1×1 one
// lights its pixel only when a step lands on it.
TEST(LineRaster, HandlesDegenerateBitmaps) {
  const std::pair<int, int> sizes[] = {{0, 0}, {0, 5}, {5, 0}, {1, 1}, {1, 9}, {9, 1}};
  const TSegment segments[] = {
      {0, 0, 5, 2}, {-3, -3, 3, 3}, {0, -4, 0, 4}, {kMin, kMin, kMax, kMax},
      {1, 1, 0, 0}, {-1, 0, 1, 0},
  };
  for (const auto& [w, h] : sizes) {
    for (const TSegment& s : segments) EXPECT_TRUE(MatchesOracle(w, h, s));
  }
}

// Segments whose endpoints lie anywhere in the 32-bit plane, far beyond the bitmap.
TEST(LineRaster, FarEndpoints) {
  // (-2^31, 5)-(2^31 − 1, 300): over x ∈ [0, 64), i·295/(2^32 − 1) ≈ 147.5000…,
  // which rounds to 148, so y = 153 throughout.
  {
    const TSegment s{kMin, 5, kMax, 300};
    std::vector<std::pair<int, int>> row;
    for (int x = 0; x < 64; ++x) row.emplace_back(x, 153);
    EXPECT_TRUE(SameBitmap(Drawn(64, 200, s), Painted(64, 200, row)));
    EXPECT_TRUE(MatchesOracle(64, 200, s));
    EXPECT_TRUE(MatchesOracle(64, 200, {5, kMin, 300, kMax}));  // the same, y major
    EXPECT_TRUE(MatchesOracle(64, 200, {kMax, 300, kMin, 5}));
  }
  // Towards (10^7, 10^7) from the origin: the main diagonal.
  {
    std::vector<std::pair<int, int>> diagonal;
    for (int k = 0; k < 32; ++k) diagonal.emplace_back(k, k);
    EXPECT_TRUE(SameBitmap(Drawn(32, 32, {0, 0, 10000000, 10000000}), Painted(32, 32, diagonal)));
    EXPECT_TRUE(SameBitmap(Drawn(32, 32, {kMin, kMin, kMax, kMax}), Painted(32, 32, diagonal)));
    EXPECT_TRUE(MatchesOracle(32, 32, {5, 0, 10000000, 10000000}));
    EXPECT_TRUE(MatchesOracle(32, 32, {-10000000, -9999997, 10000000, 10000000}));
    EXPECT_TRUE(MatchesOracle(32, 32, {10000000, 10000000, 31, -3}));
    EXPECT_TRUE(MatchesOracle(32, 32, {kMin, kMax, kMax, kMin}));
  }
  // Across the whole int32 range along an axis, both ways: a full column or row.
  {
    std::vector<std::pair<int, int>> column;
    std::vector<std::pair<int, int>> row;
    for (int y = 0; y < 24; ++y) column.emplace_back(7, y);
    for (int x = 0; x < 32; ++x) row.emplace_back(x, 9);
    EXPECT_TRUE(SameBitmap(Drawn(32, 24, {7, kMin, 7, kMax}), Painted(32, 24, column)));
    EXPECT_TRUE(SameBitmap(Drawn(32, 24, {7, kMax, 7, kMin}), Painted(32, 24, column)));
    EXPECT_TRUE(SameBitmap(Drawn(32, 24, {kMin, 9, kMax, 9}), Painted(32, 24, row)));
    EXPECT_TRUE(SameBitmap(Drawn(32, 24, {kMax, 9, kMin, 9}), Painted(32, 24, row)));
    EXPECT_TRUE(SameBitmap(Drawn(32, 24, {kMin, -1, kMax, -1}), Painted(32, 24, {})));
  }
}

// A fixed-seed generator of endpoints; the mapping from raw engine output is our own, so the
// sequence is the same with every standard library.
class TSegmentSource {
 public:
  TSegmentSource(int width, int height) : width_(width), height_(height) {}

  // lo ≤ hi, both within int64 with hi − lo < 2^63.
  int64 Uniform(int64 lo, int64 hi) {
    const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<int64>(engine_() % span);
  }

  // One coordinate: on the bitmap, near it, millions away, anywhere, or an extreme value.
  std::int32_t Coordinate(int extent) {
    switch (Uniform(0, 4)) {
      case 0:
        return static_cast<std::int32_t>(Uniform(0, extent - 1));
      case 1:
        return static_cast<std::int32_t>(Uniform(-300, extent + 300));
      case 2:
        return static_cast<std::int32_t>(Uniform(-5000000, 5000000));
      case 3:
        return static_cast<std::int32_t>(Uniform(kMin, kMax));
      default: {
        const std::int32_t extremes[] = {kMin, kMin + 1, kMax - 1, kMax, -1, 0};
        return extremes[Uniform(0, 5)];
      }
    }
  }

  TSegment Independent() {
    return {Coordinate(width_), Coordinate(height_), Coordinate(width_), Coordinate(height_)};
  }

  // A segment through a point near the bitmap, with endpoints pushed up to the int32 limits,
  // so that long segments actually cross the bitmap rather than miss it.
  TSegment Through() {
    const int64 px = Uniform(-2, width_ + 1);
    const int64 py = Uniform(-2, height_ + 1);
    const int64 scales[] = {5, 1000, 1 << 20, kMax};
    const int64 scale = scales[Uniform(0, 3)];
    int64 dx = Uniform(-scale, scale);
    const int64 dy = Uniform(-scale, scale);
    if (dx == 0 && dy == 0) dx = 1;
    const int64 back = Reach(px, py, -dx, -dy);
    const int64 ahead = Reach(px, py, dx, dy);
    const int64 t0 = Uniform(0, back);
    const int64 t1 = Uniform(0, 1) == 0 ? ahead : Uniform(0, ahead);
    return {static_cast<std::int32_t>(px - t0 * dx), static_cast<std::int32_t>(py - t0 * dy),
            static_cast<std::int32_t>(px + t1 * dx), static_cast<std::int32_t>(py + t1 * dy)};
  }

 private:
  // The largest t ≥ 0 for which p + t·d stays within int32 on both axes.
  static int64 Reach(int64 px, int64 py, int64 dx, int64 dy) {
    int64 t = int64{kMax} - kMin;
    for (const auto& [p, d] : {std::pair{px, dx}, std::pair{py, dy}}) {
      if (d > 0) t = std::min(t, (kMax - p) / d);
      if (d < 0) t = std::min(t, (p - kMin) / -d);
    }
    return t;
  }

  int width_;
  int height_;
  std::mt19937_64 engine_{20240611};
};

TEST(LineRaster, MatchesOracleOnRandomSegments) {
  const std::pair<int, int> sizes[] = {{32, 24}, {24, 32}, {3, 50}, {64, 64}, {1, 1}};
  int lit = 0;
  for (const auto& [w, h] : sizes) {
    TSegmentSource source(w, h);
    for (int k = 0; k < 1000; ++k) {
      const TSegment s = k % 2 == 0 ? source.Independent() : source.Through();
      const TBitmap drawn = Drawn(w, h, s);
      EXPECT_TRUE(SameBitmap(drawn, OracleLine(w, h, s)))
          << "for " << Describe(s) << " on " << w << "x" << h;
      lit += CountInk(drawn) > 0 ? 1 : 0;
    }
  }
  // Guards the generator: most long segments miss a small bitmap, and a comparison of two
  // empty bitmaps proves nothing.
  EXPECT_GT(lit, 1500);
}

}  // namespace
