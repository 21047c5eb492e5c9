#include "geometry/coordinate_input.h"

#include <gtest/gtest.h>

#include <string>

#include "geometry/errors.h"

namespace {

CoordinateTexts Numbered() {
  CoordinateTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::to_string(i + 1);
  return texts;
}

TEST(ConvertCoordinates, FillsPointsInReadingOrder) {
  const SceneInput in = ConvertCoordinates(Numbered());
  const Vec3 points[] = {in.plane1.t1, in.plane1.t2, in.plane1.t3,
                         in.plane2.t1, in.plane2.t2, in.plane2.t3};
  double expected = 1.0;
  for (const Vec3& p : points) {
    EXPECT_EQ(p.x, expected++);
    EXPECT_EQ(p.y, expected++);
    EXPECT_EQ(p.z, expected++);
  }
}

std::string ErrorOf(const CoordinateTexts& texts) {
  try {
    ConvertCoordinates(texts);
  } catch (const EConvertError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ConvertCoordinates, StopsAtTheFirstBadText) {
  CoordinateTexts texts = Numbered();
  texts[1] = "first";    // plane 1, T1, Y
  texts[13] = "second";  // plane 2, T2, Y
  EXPECT_EQ(ErrorOf(texts), "»first« ni veljavno število.");
  texts[1] = "2";
  EXPECT_EQ(ErrorOf(texts), "»second« ni veljavno število.");
}

TEST(ConvertCoordinates, AllEmptyFailsAtTheFirstField) {
  EXPECT_EQ(ErrorOf(CoordinateTexts{}), "»« ni veljavno število.");
}

TEST(ConvertCoordinates, OverflowingTextEndsTheConversion) {
  CoordinateTexts texts = Numbered();
  texts[4] = "1e400";
  texts[5] = "bad";
  EXPECT_THROW(ConvertCoordinates(texts), EOverflow);
}

}  // namespace
