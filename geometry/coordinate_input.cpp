#include "geometry/coordinate_input.h"

#include "geometry/number_text.h"

SceneInput ConvertCoordinates(const CoordinateTexts& texts) {
  SceneInput input;
  // Reading order is storage order: point by point, x, y, z.
  Vec3* const points[] = {&input.plane1.t1, &input.plane1.t2, &input.plane1.t3,
                          &input.plane2.t1, &input.plane2.t2, &input.plane2.t3};
  std::size_t field = 0;
  for (Vec3* point : points) {
    point->x = StrToFloat(texts[field++]);
    point->y = StrToFloat(texts[field++]);
    point->z = StrToFloat(texts[field++]);
  }
  return input;
}
