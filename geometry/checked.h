#pragma once
// Checked double arithmetic: every operation tests its result, so that a floating-point
// failure raises where it arises instead of travelling on as inf or NaN. Underflow and inexact
// results are IEEE's business and raise nothing.

#include <cmath>

#include "geometry/errors.h"

// The checks below read IEEE infinities and NaNs; fast-math would fold them away.
#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__)
#error "This program depends on IEEE semantics: build it without -ffast-math / -ffinite-math-only."
#endif

class Checked {
 public:
  constexpr Checked() = default;
  // Implicit, so that literals and plain doubles mix into formulas.
  constexpr Checked(double value) : value_(value) {}  // NOLINT(google-explicit-constructor)

  constexpr double value() const { return value_; }

  friend Checked operator+(Checked a, Checked b) { return Result(a.value_ + b.value_); }
  friend Checked operator-(Checked a, Checked b) { return Result(a.value_ - b.value_); }
  friend Checked operator*(Checked a, Checked b) { return Result(a.value_ * b.value_); }
  // Tests the divisor first: 0/0 is EInvalidOp, x/0 is EZeroDivide.
  friend Checked operator/(Checked a, Checked b) {
    if (b.value_ == 0.0) {
      if (a.value_ == 0.0 || std::isnan(a.value_)) throw EInvalidOp();
      throw EZeroDivide();
    }
    return Result(a.value_ / b.value_);
  }
  Checked operator-() const { return Checked(-value_); }

  friend bool operator==(Checked a, Checked b) { return a.value_ == b.value_; }
  friend bool operator>=(Checked a, Checked b) { return a.value_ >= b.value_; }

 private:
  // A non-finite result of finite operands: infinite means overflow, NaN an invalid operation.
  static Checked Result(double r) {
    if (std::isinf(r)) throw EOverflow();
    if (std::isnan(r)) throw EInvalidOp();
    return Checked(r);
  }

  double value_ = 0.0;
};

// Square root; a negative argument is an invalid operation.
inline Checked Sqrt(Checked x) {
  if (x.value() < 0.0) throw EInvalidOp();
  return Checked(std::sqrt(x.value()));
}
