// A redraw cycle that fails half-way through the scene: what stays on the area.

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "app/redraw.h"
#include "geometry/errors.h"
#include "geometry/scene.h"
#include "fake_fields.h"
#include "program_state.h"
#include "render/canvas.h"
#include "render/drawing.h"
#include "render/drawing_area.h"
#include "render/line_raster.h"
#include "render/picture.h"
#include "view/projection.h"

namespace {

// The plane x = 0 and the plane y = 0 through points 3.5 apart: in the default view the whole
// scene lies on the area.
const CoordinateTexts kOnScreenPlanes = {"0", "0", "0",   "0",   "3.5", "0", "0", "0", "3.5",
                                         "0", "0", "0",   "0",   "0",   "3.5", "3.5", "0", "0"};

// The side 3–5 of the first patch has an end point without a pixel. Stages 6 to 9 run in the
// cycle's order: the area is cleared, the red line and the side 2–3 are drawn, and the failure
// ends the picture there. No further side of either patch, and no axis, is drawn, although the
// previous cycle has left a view for the axes.
class InterruptedPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    BindImage1(&surface_);
    BindCoordinateFields(&fields_);
  }
  void TearDown() override {
    BindCoordinateFields(nullptr);
    BindImage1(nullptr);
  }

  TImageSurface surface_{kDrawingAreaWidth, kDrawingAreaHeight};
  FakeFields fields_;
};

TEST_F(InterruptedPicture, FailingPatchSideEndsThePictureThere) {
  fields_.texts = kOnScreenPlanes;
  ASSERT_NO_THROW(Redraw());  // a picture to be cleared away

  const double twoTo63 = 9223372036854775808.0;  // the first value with no pixel
  SceneTable[10] = {20.5, 30.5, 1.0, 1.0};
  SceneTable[11] = {200.5, 30.5, 1.0, 1.0};
  SceneTable[2] = {40.0, 100.0, 1.0, 1.0};
  SceneTable[3] = {40.0, 300.0, 1.0, 1.0};
  SceneTable[5] = {300.0, twoTo63, 1.0, 1.0};
  SceneTable[4] = {300.0, 100.0, 1.0, 1.0};
  SceneTable[6] = {400.0, 100.0, 1.0, 1.0};
  SceneTable[7] = {500.0, 100.0, 1.0, 1.0};
  SceneTable[9] = {500.0, 300.0, 1.0, 1.0};
  SceneTable[8] = {400.0, 300.0, 1.0, 1.0};

  bool raised = false;
  try {
    ClearSurface();
    DrawScene();
    ProjectAxes();
    DrawAxes();
  } catch (const EInvalidOp&) {
    raised = true;
  }
  EXPECT_TRUE(raised);

  TBitmap expected(kDrawingAreaWidth, kDrawingAreaHeight);
  DrawLine(expected, 20, 30, 200, 30, kLineColour);
  DrawLine(expected, 40, 100, 40, 300, kPlane1Colour);
  const TBitmap& picture = *surface_.Picture();
  ASSERT_EQ(picture.Width(), expected.Width());
  ASSERT_EQ(picture.Height(), expected.Height());
  std::size_t wrong = 0;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      if (picture.Pixel(x, y) != expected.Pixel(x, y) && ++wrong <= 5) {
        ADD_FAILURE() << "pixel " << x << ", " << y << " is " << std::hex << picture.Pixel(x, y)
                      << ", expected " << expected.Pixel(x, y);
      }
    }
  }
  EXPECT_EQ(wrong, 0u);
}

}  // namespace
