#include "app/redraw.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/step_operations.h"
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
#include "view/view_state.h"

namespace {

// The plane x = 0 and the plane y = 0, meeting in the Z axis. Their normals are 12 long, which
// shrinks the drawn part of the scene to a few units around the origin: in the default view all
// of it lies on the area, the line from (100, 7) to (100, 488) and both patches around it.
const CoordinateTexts kTwoPlanes = {"0", "0", "0", "0", "12", "0", "0", "0", "1",
                                    "0", "0", "0", "0", "0", "12", "1", "0", "0"};

// The plane x = 0 and the parallel plane x = 1.
const CoordinateTexts kParallelPlanes = {"0", "0", "0", "0", "1", "0", "0", "0", "1",
                                         "1", "0", "0", "1", "1", "0", "1", "0", "1"};

// The first plane's three points on one line.
const CoordinateTexts kCollinearPoints = {"0", "0", "0", "1", "1", "1", "2", "2", "2",
                                          "0", "0", "0", "0", "0", "1", "1", "0", "0"};

// x = 0 and y = 0 once more, the first normal 1 long and the second only 1e-15. Its patch then
// reaches 1e33 units sideways while lying only 2e17 units deep: seen straight from above it
// projects beyond the 64-bit pixel range, whereas the first plane's patch stays within 32 bits.
const CoordinateTexts kFarSecondPatch = {"0", "0", "0", "0", "1",     "0", "0", "0", "1",
                                         "0", "0", "0", "0", "0", "1e-15", "1", "0", "0"};

enum class Outcome { Drawn, ConvertError, ZeroDivide, InvalidOp, Overflow };

const char* Name(Outcome outcome) {
  static const char* const names[] = {"drawn", "EConvertError", "EZeroDivide", "EInvalidOp",
                                      "EOverflow"};
  return names[static_cast<int>(outcome)];
}

Outcome Attempt(const std::function<void()>& cycle) {
  try {
    cycle();
    return Outcome::Drawn;
  } catch (const EConvertError&) {
    return Outcome::ConvertError;
  } catch (const EZeroDivide&) {
    return Outcome::ZeroDivide;
  } catch (const EInvalidOp&) {
    return Outcome::InvalidOp;
  } catch (const EOverflow&) {
    return Outcome::Overflow;
  }
}

Outcome Cycle() { return Attempt(Redraw); }
Outcome Step(ViewStep step) {
  return Attempt([step] { StepView(step); });
}

// Each test draws on a fresh area of the main window's size, so the bitmap's creation at the
// first access is part of what it sees.
class RedrawTest : public ::testing::Test {
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

  // The picture's pixels; empty while there is no picture.
  std::vector<TColor> Pixels() const {
    const TBitmap* bitmap = surface_.Picture();
    if (bitmap == nullptr) return {};
    const std::size_t size =
        static_cast<std::size_t>(bitmap->Width()) * static_cast<std::size_t>(bitmap->Height());
    return {bitmap->Data(), bitmap->Data() + size};
  }

  static std::size_t Count(const std::vector<TColor>& pixels, TColor colour) {
    std::size_t n = 0;
    for (const TColor p : pixels) {
      if (p == colour) ++n;
    }
    return n;
  }

  TColor At(int x, int y) const { return surface_.Picture()->Pixel(x, y); }

  FakeFields fields_;
  TImageSurface surface_{kDrawingAreaWidth, kDrawingAreaHeight};
};

TEST_F(RedrawTest, EmptyFieldsFailBeforeTheAreaIsTouched) {
  EXPECT_EQ(Cycle(), Outcome::ConvertError);
  EXPECT_EQ(ViewState.drawCount, 1.0);
  EXPECT_EQ(surface_.Picture(), nullptr);
}

TEST_F(RedrawTest, FirstCycleDrawsTheDefaultView) {
  fields_.texts = kTwoPlanes;
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  EXPECT_EQ(ViewState.drawCount, 2.0);
  EXPECT_EQ(ViewState.alfa, -60.0);
  EXPECT_EQ(ViewState.beta, 60.0);
  EXPECT_EQ(ViewState.zoom, 200.0);
  EXPECT_EQ(ViewState.distance, 300.0);

  ASSERT_NE(surface_.Picture(), nullptr);
  EXPECT_EQ(surface_.Picture()->Width(), 585);
  EXPECT_EQ(surface_.Picture()->Height(), 513);

  // All three axes start at the origin (100, 250); the Z axis, drawn last, covers it.
  EXPECT_EQ(At(100, 250), kAxisZColour);
  // The Z axis runs straight up from the origin to beyond the top edge.
  for (int y = 0; y <= 250; ++y) ASSERT_EQ(At(100, y), kAxisZColour) << "y " << y;
  // The X axis goes to (533, 375), whose own pixel it leaves unlit: 433 steps along x with y
  // rising 125 in all, rounded half away from the start.
  for (int i = 1; i < 433; ++i) {
    const int y = 250 + (2 * i * 125 + 433) / (2 * 433);
    ASSERT_EQ(At(100 + i, y), kAxisXYColour) << "x " << 100 + i << ", y " << y;
  }
  EXPECT_EQ(At(532, 375), kAxisXYColour);
  EXPECT_NE(At(533, 375), kAxisXYColour);

  // A white background with every colour of the picture on it.
  const std::vector<TColor> pixels = Pixels();
  EXPECT_EQ(At(0, 512), clWhite);
  EXPECT_EQ(At(584, 512), clWhite);
  EXPECT_GT(Count(pixels, clWhite), pixels.size() * 9 / 10);
  for (const TColor colour : {kLineColour, kPlane1Colour, kPlane2Colour}) {
    EXPECT_GT(Count(pixels, colour), 0u) << std::hex << colour;
  }
}

// A cycle that fails in reading the fields or in building the scene leaves the picture as it
// was and does not count.
TEST_F(RedrawTest, FailureBeforeTheViewLeavesPictureAndCount) {
  struct Case {
    const char* name;
    CoordinateTexts texts;
    Outcome outcome;
  };
  CoordinateTexts firstBad = kTwoPlanes;
  firstBad[0] = "x";
  CoordinateTexts lastEmpty = kTwoPlanes;
  lastEmpty[17] = "";
  const Case cases[] = {
      {"first field not a number", firstBad, Outcome::ConvertError},
      {"last field empty", lastEmpty, Outcome::ConvertError},
      {"parallel planes", kParallelPlanes, Outcome::ZeroDivide},
      {"first plane's points on one line", kCollinearPoints, Outcome::InvalidOp},
  };

  fields_.texts = kTwoPlanes;
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  const std::vector<TColor> picture = Pixels();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fields_.texts = c.texts;
    EXPECT_STREQ(Name(Cycle()), Name(c.outcome));
    EXPECT_EQ(ViewState.drawCount, 2.0);
    EXPECT_TRUE(Pixels() == picture);
  }
}

// Zoom 0 fails in the projection: the view defaults and the count have been applied, the
// picture has not been touched.
TEST_F(RedrawTest, ZoomStepsDownToZeroFailInTheProjection) {
  fields_.texts = kTwoPlanes;
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  const std::vector<TColor> first = Pixels();
  for (int step = 1; step < 20; ++step) {
    ASSERT_EQ(Step(ViewStep::ZoomDown), Outcome::Drawn) << "step " << step;
  }
  ASSERT_EQ(ViewState.zoom, 10.0);
  const std::vector<TColor> atZoom10 = Pixels();
  ASSERT_FALSE(atZoom10 == first);

  EXPECT_EQ(Step(ViewStep::ZoomDown), Outcome::ZeroDivide);
  EXPECT_EQ(ViewState.zoom, 0.0);
  EXPECT_EQ(ViewState.drawCount, 22.0);
  EXPECT_TRUE(Pixels() == atZoom10);

  EXPECT_EQ(Step(ViewStep::ZoomUp), Outcome::Drawn);
  EXPECT_EQ(ViewState.drawCount, 23.0);
  EXPECT_TRUE(Pixels() == atZoom10);
}

// A scene point beyond the pixel range fails in drawing the scene: the area has been cleared,
// the segments before the failing one are drawn, the axes are not.
TEST_F(RedrawTest, SceneBeyondThePixelRangeFailsWhileDrawing) {
  fields_.texts = kTwoPlanes;
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  for (int step = 0; step < 6; ++step) ApplyViewStep(ViewStep::BetaDown);  // from straight above
  ASSERT_EQ(ViewState.beta, 0.0);
  const HPoint xAxisTip = AxisTable[1];

  fields_.texts = kFarSecondPatch;
  EXPECT_EQ(Cycle(), Outcome::InvalidOp);
  EXPECT_EQ(ViewState.drawCount, 3.0);
  // The axes of the new view were never projected.
  EXPECT_EQ(AxisTable[1].x, xAxisTip.x);
  EXPECT_EQ(AxisTable[1].y, xAxisTip.y);

  // Seen from above the line is a point, so its red segment lights nothing; the blue patch is
  // on edge, a line through the origin; the purple patch fails at its first side.
  const std::vector<TColor> pixels = Pixels();
  const std::size_t blue = Count(pixels, kPlane1Colour);
  EXPECT_GT(blue, 100u);
  EXPECT_EQ(Count(pixels, clWhite) + blue, pixels.size());
}

// Steps made before the first successful cycle are overridden by its defaults.
TEST_F(RedrawTest, StepBeforeTheFirstCycleNeverShows) {
  EXPECT_EQ(Step(ViewStep::AlfaUp), Outcome::ConvertError);
  EXPECT_EQ(ViewState.alfa, 10.0);
  EXPECT_EQ(ViewState.drawCount, 1.0);
  EXPECT_EQ(surface_.Picture(), nullptr);

  fields_.texts = kTwoPlanes;
  EXPECT_EQ(Cycle(), Outcome::Drawn);
  EXPECT_EQ(ViewState.alfa, -60.0);
  EXPECT_EQ(ViewState.drawCount, 2.0);
}

// A step while a field is bad keeps its change; the next good cycle shows it.
TEST_F(RedrawTest, StepWhileAFieldIsBadShowsOnceCorrected) {
  fields_.texts = kTwoPlanes;
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  const std::vector<TColor> before = Pixels();

  fields_.texts[4] = "1,,";
  EXPECT_EQ(Step(ViewStep::AlfaUp), Outcome::ConvertError);
  EXPECT_EQ(ViewState.alfa, -50.0);
  EXPECT_EQ(ViewState.drawCount, 2.0);
  EXPECT_TRUE(Pixels() == before);

  fields_.texts = kTwoPlanes;
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  EXPECT_EQ(ViewState.alfa, -50.0);
  EXPECT_EQ(ViewState.drawCount, 3.0);
  EXPECT_FALSE(Pixels() == before);
  // The X axis now ends elsewhere than at the default view's (533, 375).
  EXPECT_NE(At(532, 375), kAxisXYColour);
}

TEST_F(RedrawTest, UnchangedFieldsDrawTheSamePicture) {
  fields_.texts = kTwoPlanes;
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  const std::vector<TColor> first = Pixels();
  const TViewState view = ViewState;
  for (double count : {3.0, 4.0}) {
    ASSERT_EQ(Cycle(), Outcome::Drawn);
    EXPECT_TRUE(Pixels() == first);
    EXPECT_EQ(ViewState.drawCount, count);
    EXPECT_EQ(ViewState.alfa, view.alfa);
    EXPECT_EQ(ViewState.shiftY, view.shiftY);
  }
}

// The bitmap takes the area's size at its first access and keeps it; the client rectangle,
// and so the part a cycle clears, follows the area.
TEST_F(RedrawTest, ResizedAreaKeepsTheBitmapSizeOfItsFirstAccess) {
  surface_.SetSize(400, 300);
  fields_.texts = kTwoPlanes;
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  ASSERT_NE(surface_.Picture(), nullptr);
  EXPECT_EQ(surface_.Picture()->Width(), 400);
  EXPECT_EQ(surface_.Picture()->Height(), 300);

  surface_.SetSize(800, 600);
  const TRect grown = surface_.GetClientRect();
  EXPECT_EQ(grown.right, 800);
  EXPECT_EQ(grown.bottom, 600);
  ASSERT_EQ(Cycle(), Outcome::Drawn);
  EXPECT_EQ(surface_.Picture()->Width(), 400);
  EXPECT_EQ(surface_.Picture()->Height(), 300);

  // Shrunk below the bitmap, the area clears only its own part. After a step has moved the
  // picture, nothing of the old one has gone outside the cleared 200 columns, and some of it
  // has gone inside them.
  const std::vector<TColor> before = Pixels();
  surface_.SetSize(200, 300);
  EXPECT_EQ(surface_.GetClientRect().right, 200);
  ASSERT_EQ(Step(ViewStep::ShiftYUp), Outcome::Drawn);
  const std::vector<TColor> after = Pixels();
  std::size_t keptOutside = 0, clearedInside = 0;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i] == clWhite) continue;
    if (i % 400 >= 200) {
      EXPECT_NE(after[i], clWhite) << "x " << i % 400 << ", y " << i / 400;
      if (after[i] == before[i]) ++keptOutside;
    } else {
      if (after[i] == clWhite) ++clearedInside;
    }
  }
  EXPECT_GT(keptOutside, 50u);
  EXPECT_GT(clearedInside, 50u);
}

// The side 3–5 of the first patch has an end point without a pixel. Stages 6 to 9 run in the
// cycle's order: the area is cleared, the red line and the side 2–3 are drawn, and the failure
// ends the picture there. No further side of either patch, and no axis, is drawn, although the
// previous cycle has left a view for the axes.
TEST_F(RedrawTest, FailingPatchSideEndsThePictureThere) {
  fields_.texts = kTwoPlanes;
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
