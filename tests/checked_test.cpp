#include "geometry/checked.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <string>

namespace {

enum class Outcome { Value, ZeroDivide, InvalidOp, Overflow };

struct Case {
  std::string name;
  std::function<Checked()> run;
  Outcome outcome;
  double value = 0.0;
};

Outcome Classify(const std::function<Checked()>& run, double& value) {
  try {
    value = run().value();
    return Outcome::Value;
  } catch (const EZeroDivide&) {
    return Outcome::ZeroDivide;
  } catch (const EInvalidOp&) {
    return Outcome::InvalidOp;
  } catch (const EOverflow&) {
    return Outcome::Overflow;
  }
}

TEST(CheckedArithmetic, RaisesWhereTheConditionArises) {
  const Checked big = DBL_MAX;
  const Checked zero = 0.0;
  const Case cases[] = {
      {"ordinary sum", [] { return Checked(1.5) + 2.25; }, Outcome::Value, 3.75},
      {"x / 0", [=] { return Checked(1.0) / zero; }, Outcome::ZeroDivide},
      {"-x / -0", [] { return Checked(-1.0) / Checked(-0.0); }, Outcome::ZeroDivide},
      {"0 / 0", [=] { return zero / zero; }, Outcome::InvalidOp},
      {"-0 / 0", [=] { return Checked(-0.0) / zero; }, Outcome::InvalidOp},
      {"product overflow", [=] { return big * 2.0; }, Outcome::Overflow},
      {"sum overflow", [=] { return big + big; }, Outcome::Overflow},
      {"difference overflow", [=] { return -big - big; }, Outcome::Overflow},
      {"quotient overflow", [=] { return big / 0.5; }, Outcome::Overflow},
      // Both products overflow: the first one reports, as EOverflow, not their difference as NaN.
      {"p*q - r*s", [=] { return big * big - big * big; }, Outcome::Overflow},
      {"underflow to zero", [] { return Checked(1e-300) * 1e-300; }, Outcome::Value, 0.0},
      {"denormal result", [] { return Checked(DBL_MIN) / 4.0; }, Outcome::Value, DBL_MIN / 4.0},
      {"sqrt", [] { return Sqrt(6.25); }, Outcome::Value, 2.5},
      {"sqrt of negative", [] { return Sqrt(-1.0); }, Outcome::InvalidOp},
  };
  for (const Case& c : cases) {
    double value = -1.0;
    EXPECT_EQ(Classify(c.run, value), c.outcome) << c.name;
    if (c.outcome == Outcome::Value) {
      EXPECT_EQ(value, c.value) << c.name;
    }
  }
}

TEST(CheckedArithmetic, MessagesAreSloveneAndDistinct) {
  EXPECT_STREQ(EZeroDivide().what(), "Deljenje z nič.");
  EXPECT_STRNE(EInvalidOp().what(), EOverflow().what());
}

}  // namespace
