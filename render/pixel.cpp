#include "render/pixel.h"

#include <cmath>

#include "geometry/errors.h"

namespace {
// ±2^63, exact as doubles. The cast below is defined only strictly inside this range, so the
// range is checked before it, on the truncated value.
constexpr double kTwoTo63 = 9223372036854775808.0;
}  // namespace

std::int32_t PixelCoordinate(double v) {
  if (!std::isfinite(v)) throw EInvalidOp();
  const double t = std::trunc(v);  // toward zero whatever the rounding mode
  if (t < -kTwoTo63 || t >= kTwoTo63) throw EInvalidOp();
  const auto wide = static_cast<std::int64_t>(t);
  // Modulo 2^32 into the signed 32-bit range (defined behaviour since C++20).
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}
