#include "render/picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <utility>
#include <vector>

#include "app/redraw.h"
#include "geometry/errors.h"
#include "geometry/scene.h"
#include "fake_fields.h"
#include "program_state.h"
#include "render/canvas.h"
#include "render/drawing.h"
#include "render/drawing_area.h"
#include "render/pixel.h"
#include "view/projection.h"

namespace {

// One call on the canvas, as the drawing made it.
struct Call {
  enum Kind { FillRect, SetPenColor, MoveTo, LineTo } kind;
  std::int64_t a = 0, b = 0, c = 0, d = 0;  // rect l t r b, colour, or x y

  friend bool operator==(const Call&, const Call&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Call& call) {
    static const char* const names[] = {"FillRect", "SetPenColor", "MoveTo", "LineTo"};
    out << names[call.kind] << "(" << call.a;
    if (call.kind != SetPenColor) out << ", " << call.b;
    if (call.kind == FillRect) out << ", " << call.c << ", " << call.d;
    return out << ")";
  }
};

Call Fill(const TRect& r) { return {Call::FillRect, r.left, r.top, r.right, r.bottom}; }
Call Pen(TColor colour) { return {Call::SetPenColor, colour}; }
Call Move(std::int32_t x, std::int32_t y) { return {Call::MoveTo, x, y}; }
Call Line(std::int32_t x, std::int32_t y) { return {Call::LineTo, x, y}; }

// A drawing area that draws nothing and remembers every canvas call in order.
class RecordingArea final : public TDrawingArea, public TCanvas {
 public:
  TRect GetClientRect() const override { return {0, 0, 585, 513}; }
  TCanvas& GetCanvas() override { return *this; }

  void FillRect(const TRect& rect) override { calls.push_back(Fill(rect)); }
  void SetPenColor(TColor colour) override { calls.push_back(Pen(colour)); }
  void MoveTo(std::int32_t x, std::int32_t y) override { calls.push_back(Move(x, y)); }
  void LineTo(std::int32_t x, std::int32_t y) override { calls.push_back(Line(x, y)); }

  std::vector<Call> calls;
};

// The plane x = 0 and the plane y = 0: their intersection is the Z axis.
const CoordinateTexts kTwoPlanes = {"0", "0", "0", "0", "1", "0", "0", "0", "1",
                                    "0", "0", "0", "0", "0", "1", "1", "0", "0"};

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    BindImage1(&area_);
  }
  void TearDown() override {
    BindImage1(nullptr);
    BindCoordinateFields(nullptr);
  }

  // The move and the line of one segment between two screen points.
  static void AppendSegment(std::vector<Call>& calls, const HPoint& from, const HPoint& to) {
    calls.push_back(Move(PixelCoordinate(from.x), PixelCoordinate(from.y)));
    calls.push_back(Line(PixelCoordinate(to.x), PixelCoordinate(to.y)));
  }

  RecordingArea area_;
};

TEST_F(PictureTest, OneCycleClearsThenDrawsNineSceneSegmentsThenThreeAxes) {
  const FakeFields fields(kTwoPlanes);
  BindCoordinateFields(&fields);
  Redraw();

  // After the cycle both tables hold screen points.
  const TSceneTable& s = SceneTable;
  const TAxisTable& a = AxisTable;
  std::vector<Call> expected = {Fill({0, 0, 585, 513})};
  expected.push_back(Pen(0x0000FF));
  AppendSegment(expected, s[10], s[11]);
  expected.push_back(Pen(0xFF0000));
  AppendSegment(expected, s[2], s[3]);
  AppendSegment(expected, s[3], s[5]);
  AppendSegment(expected, s[5], s[4]);
  AppendSegment(expected, s[4], s[2]);
  expected.push_back(Pen(0x800080));
  AppendSegment(expected, s[6], s[7]);
  AppendSegment(expected, s[7], s[9]);
  AppendSegment(expected, s[9], s[8]);
  AppendSegment(expected, s[8], s[6]);
  expected.push_back(Pen(0x000000));
  AppendSegment(expected, a[0], a[1]);
  expected.push_back(Pen(0x000000));
  AppendSegment(expected, a[0], a[2]);
  expected.push_back(Pen(0x00FF00));
  AppendSegment(expected, a[0], a[3]);
  EXPECT_EQ(area_.calls, expected);

  // The axes of the default view, truncated: (533.013, 375.000), (350, 33.494), (100, -183.013).
  const std::vector<Call> axes(area_.calls.end() - 9, area_.calls.end());
  EXPECT_EQ(axes, (std::vector<Call>{Pen(0), Move(100, 250), Line(533, 375), Pen(0),
                                     Move(100, 250), Line(350, 33), Pen(0x00FF00),
                                     Move(100, 250), Line(100, -183)}));
}

// Points 0 and 1 end the short segment of the line, which is not drawn: the picture reads
// nothing of them, whatever they hold.
TEST_F(PictureTest, SceneDrawingNeverReadsPointsZeroAndOne) {
  for (int i = 0; i < kScenePointCount; ++i) {
    SceneTable[static_cast<std::size_t>(i)] = {10.0 * i + 0.5, 10.0 * i + 3.5, 1, 1};
  }
  SceneTable[0] = {std::numeric_limits<double>::quiet_NaN(), 1e300, 1, 1};
  SceneTable[1] = {std::numeric_limits<double>::infinity(), -1e300, 1, 1};
  ASSERT_NO_THROW(DrawScene());
  ASSERT_EQ(area_.calls.size(), 3u + 2u * 9u);
  for (const Call& call : area_.calls) {
    if (call.kind == Call::MoveTo || call.kind == Call::LineTo) {
      EXPECT_EQ(call.b - call.a, 3) << call;
      EXPECT_GE(call.a, 20) << call;
    }
  }
}

// The start point is converted and moved to before the end point is converted; whichever
// conversion fails, no line is drawn.
TEST_F(PictureTest, SegmentWithAnUnconvertibleCoordinate) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double huge = 1e19;  // beyond the signed 64-bit range
  struct Case {
    const char* name;
    double x1, y1, x2, y2;
    std::vector<Call> calls;
  };
  const Case cases[] = {
      {"start x", nan, 2.5, 3.5, 4.5, {}},
      {"start y", 1.5, huge, 3.5, 4.5, {}},
      {"end x", 1.5, 2.5, -huge, 4.5, {Move(1, 2)}},
      {"end y", 1.5, 2.5, 3.5, nan, {Move(1, 2)}},
      {"none", 1.5, 2.5, 3.5, 4.5, {Move(1, 2), Line(3, 4)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    area_.calls.clear();
    const bool fails = c.calls.size() < 2;
    if (fails) {
      EXPECT_THROW(DrawSegment(c.x1, c.y1, c.x2, c.y2), EInvalidOp);
    } else {
      EXPECT_NO_THROW(DrawSegment(c.x1, c.y1, c.x2, c.y2));
    }
    EXPECT_EQ(area_.calls, c.calls);
  }
}

// Clearing fills the client rectangle and touches neither the pen colour nor the current
// position: on a bitmap canvas a line begun before the clear is finished after it in the pen
// colour set before it.
TEST(ClearSurface, KeepsPenColourAndCurrentPosition) {
  TImageSurface surface(60, 40);
  BindImage1(&surface);
  TCanvas& canvas = surface.GetCanvas();
  canvas.SetPenColor(kLineColour);
  canvas.MoveTo(10, 20);
  canvas.LineTo(50, 20);  // a picture to clear
  canvas.MoveTo(10, 5);
  ClearSurface();
  canvas.LineTo(30, 5);
  BindImage1(nullptr);

  const TBitmap& bitmap = *surface.Picture();
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor expected = (y == 5 && x >= 10 && x < 30) ? kLineColour : clWhite;
      ASSERT_EQ(bitmap.Pixel(x, y), expected) << x << ", " << y;
    }
  }
}

}  // namespace
