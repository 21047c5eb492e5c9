// Redraw cycles on the 585 × 513 headless drawing area, against clearing it alone.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/redraw.h"
#include "geometry/scene.h"
#include "render/drawing.h"
#include "render/drawing_area.h"
#include "view/view_state.h"

namespace {

class BenchFields final : public CoordinateFields {
 public:
  CoordinateTexts Texts() const override { return texts; }
  CoordinateTexts texts;
};

BenchFields fields;

// The plane x = 0 and the plane y = 0 with normals 12 long, seen in the default view: the drawn
// scene shrinks to a few units around the origin, and all of it lies on the area.
const CoordinateTexts kOnScreen = {"0", "0", "0", "0", "12", "0", "0", "0", "1",
                                   "0", "0", "0", "0", "0", "12", "1", "0", "0"};

// The same two planes with normals 1e-4 long. The patches then reach 2e15 units sideways at
// 2e10 units depth; seen straight from above (beta 0) that is about 1e5 times the depth, and
// the corners land up to about 1.7e9 pixels from the origin, on both sides of it.
const CoordinateTexts kFar = {"0", "0", "0", "0", "1e-4", "0", "0", "0", "1",
                              "0", "0", "0", "0", "0", "1e-4", "1", "0", "0"};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "redraw_bench: %s\n", what);
  std::abort();
}

// Starts the program afresh on the headless area, draws the first picture and steps beta
// down the given number of times; then checks that a cycle draws without raising.
void Prepare(const CoordinateTexts& texts, int betaDownSteps) {
  BindImage1(nullptr);
  ViewState = {};
  fields.texts = texts;
  BindCoordinateFields(&fields);
  try {
    Redraw();
    for (int i = 0; i < betaDownSteps; ++i) ApplyViewStep(ViewStep::BetaDown);
    Redraw();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "redraw_bench: the cycle raised: %s\n", e.what());
    std::abort();
  }
}

// The largest screen coordinate of the drawn scene points (2 to 11) after the last cycle.
double FarthestDrawnCoordinate() {
  double farthest = 0.0;
  for (std::size_t i = 2; i < SceneTable.size(); ++i) {
    farthest = std::max({farthest, std::fabs(SceneTable[i].x), std::fabs(SceneTable[i].y)});
  }
  return farthest;
}

void BM_ClearSurface(benchmark::State& state) {
  BindImage1(nullptr);
  for (auto _ : state) {
    ClearSurface();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClearSurface);

void BM_RedrawOnScreen(benchmark::State& state) {
  Prepare(kOnScreen, 0);
  if (FarthestDrawnCoordinate() > 585.0) Fail("the on-screen scene does not lie on the area");
  for (auto _ : state) {
    Redraw();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RedrawOnScreen);

void BM_RedrawFarCoordinates(benchmark::State& state) {
  Prepare(kFar, 6);
  if (ViewState.beta != 0.0) Fail("the far scene needs the view from straight above");
  const double farthest = FarthestDrawnCoordinate();
  // About ±2^31, and well inside the 64-bit range the pixel conversion accepts.
  if (farthest < 1e9 || farthest > 4e9) Fail("the far scene's coordinates are not near 2^31");
  for (auto _ : state) {
    Redraw();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RedrawFarCoordinates);

}  // namespace

BENCHMARK_MAIN();
