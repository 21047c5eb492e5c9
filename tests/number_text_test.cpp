#include "geometry/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "geometry/errors.h"

namespace {

struct Accepted {
  const char* text;
  const char* separator;
  double value;
};

TEST(ParseDecimal, AcceptsDecimalNumbersWithTheGivenSeparator) {
  const Accepted cases[] = {
      {"0", ".", 0.0},
      {"42", ".", 42.0},
      {"-7", ".", -7.0},
      {"+7", ".", 7.0},
      {"1.5", ".", 1.5},
      {"1,5", ",", 1.5},
      {"-0,25", ",", -0.25},
      {",5", ",", 0.5},
      {"5.", ".", 5.0},
      {"  3.75\t", ".", 3.75},
      {"1e3", ".", 1000.0},
      {"2,5E-2", ",", 0.025},
      {"1.25e+02", ".", 125.0},
      {"000012.5000", ".", 12.5},
      {"0.1", ".", 0.1},  // correctly rounded, as the compiler reads the literal
      {"1.7976931348623157e308", ".", DBL_MAX},
      {"1e-310", ".", 1e-310},  // denormal, no error
      {"1e-400", ".", 0.0},     // too small: zero, no error
      {"0.000000000000000000000000000001e30", ".", 1.0},
      {"1e-99999999999999999999", ".", 0.0},
  };
  for (const Accepted& c : cases) {
    EXPECT_EQ(ParseDecimal(c.text, c.separator), c.value)
        << "'" << c.text << "' with '" << c.separator << "'";
  }
  EXPECT_TRUE(std::signbit(ParseDecimal("-0", ".")));
}

struct Rejected {
  const char* text;
  const char* separator;
};

TEST(ParseDecimal, RejectsEverythingElseQuotingTheText) {
  const Rejected cases[] = {
      {"", "."},         {"   ", "."},     {"\t", "."},     {"abc", "."},
      {"inf", "."},      {"-inf", "."},    {"nan", "."},    {"infinity", "."},
      {"0x10", "."},     {"0x1p3", "."},   {"1.5", ","},    {"1,5", "."},
      {"1,000", "."},    {"1 000", "."},   {"1.000,5", ","}, {"1.2.3", "."},
      {"1,2,3", ","},    {".", "."},       {",", ","},      {"-", "."},
      {"+-1", "."},      {"1e", "."},      {"1e+", "."},    {"e5", "."},
      {"5x", "."},       {"5 5", "."},     {"1.5e3.2", "."}, {"١", "."},
  };
  for (const Rejected& c : cases) {
    try {
      ParseDecimal(c.text, c.separator);
      ADD_FAILURE() << "'" << c.text << "' with '" << c.separator << "' was accepted";
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("»") + c.text + "« ni veljavno število.");
    }
  }
}

TEST(ParseDecimal, MagnitudeBeyondTheDoubleRangeOverflows) {
  for (const char* text : {"1e309", "-1e309", "1.7976931348623159e308", "1e99999999999999999"}) {
    EXPECT_THROW(ParseDecimal(text, "."), EOverflow) << text;
  }
}

TEST(ParseDecimal, LongTextIsCutInTheMessage) {
  const std::string text = "x" + std::string(200, '9');
  try {
    ParseDecimal(text, ".");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_LT(std::string(e.what()).size(), 80u);
  }
}

TEST(StrToFloat, UsesTheSeparatorSetAtStartUp) {
  SetDecimalSeparator(",");
  EXPECT_EQ(StrToFloat("1,5"), 1.5);
  EXPECT_THROW(StrToFloat("1.5"), EConvertError);
  SetDecimalSeparator(".");
  EXPECT_EQ(StrToFloat("1.5"), 1.5);
}

}  // namespace
