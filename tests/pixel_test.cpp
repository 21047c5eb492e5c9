#include "render/pixel.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "geometry/errors.h"

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;
constexpr double kInf = std::numeric_limits<double>::infinity();

// Puts the rounding mode back to nearest however the test ends.
struct RoundingModeGuard {
  ~RoundingModeGuard() { std::fesetround(FE_TONEAREST); }
};

struct PixelCase {
  double value;
  std::optional<std::int32_t> pixel;  // empty: EInvalidOp
};

// Truncation toward zero, then the low 32 bits of the 64-bit integer; outside the signed 64-bit
// range and for non-finite values there is no pixel. The result must not depend on the rounding
// mode the caller left behind, so every case runs under all four.
TEST(PixelCoordinate, TruncatesWrapsAndRejectsInEveryRoundingMode) {
  const PixelCase cases[] = {
      {12.9, 12},
      {12.1, 12},
      {-12.9, -12},
      {0.7, 0},
      {-0.7, 0},
      {-0.0, 0},
      {2147483647.9, 2147483647},
      {2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {-2147483649.0, 2147483647},
      {4294967396.5, 100},
      {-4294967297.0, -1},
      {9223372036854774784.0, -1024},  // the largest double below 2^63
      {-kTwoTo63, 0},
      {kTwoTo63, std::nullopt},
      {1e19, std::nullopt},
      {1e300, std::nullopt},
      {std::nextafter(-kTwoTo63, -kInf), std::nullopt},
      {-1e300, std::nullopt},
      {kInf, std::nullopt},
      {-kInf, std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
  };
  const int modes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO};

  RoundingModeGuard guard;
  for (const int mode : modes) {
    for (const PixelCase& c : cases) {
      SCOPED_TRACE(testing::Message() << "value " << std::hexfloat << c.value << std::defaultfloat
                                      << " (" << c.value << "), rounding mode " << mode);
      ASSERT_EQ(std::fesetround(mode), 0);
      std::optional<std::int32_t> pixel;
      bool invalid = false;
      try {
        pixel = PixelCoordinate(c.value);
      } catch (const EInvalidOp&) {
        invalid = true;
      }
      std::fesetround(FE_TONEAREST);
      if (c.pixel) {
        EXPECT_FALSE(invalid);
        EXPECT_EQ(pixel, c.pixel);
      } else {
        EXPECT_TRUE(invalid) << "gave " << pixel.value_or(0);
      }
    }
  }
}

}  // namespace
