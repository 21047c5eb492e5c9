#include "view/projection.h"

#include <cmath>

#include "geometry/checked.h"
#include "geometry/scene.h"
#include "view/view_state.h"

Matrix4 ViewMatrix{};
Matrix4 ScreenShiftMatrix{};
TAxisTable AxisTable{};

namespace {

// π as the program has always used it, not the full-precision constant.
constexpr double kPi = 3.141592;

Checked Radians(double degrees) { return Checked(degrees) * kPi * (1.0 / 180.0); }

Checked Component(const HPoint& p, const Matrix4& m, std::size_t column) {
  const auto& r = m.m;
  return ((Checked(p.x) * r[0][column] + Checked(p.y) * r[1][column]) +
          Checked(p.z) * r[2][column]) +
         Checked(p.w) * r[3][column];
}

template <typename Table>
void TransformAll(Table& table, const Matrix4& m) {
  for (HPoint& p : table) p = TransformPoint(p, m);
}

template <typename Table>
void FlipY(Table& table) {
  for (HPoint& p : table) p.y = (Checked(p.y) * -1.0).value();
}

}  // namespace

HPoint TransformPoint(const HPoint& p, const Matrix4& m) {
  return {Component(p, m, 0).value(), Component(p, m, 1).value(), Component(p, m, 2).value(),
          Component(p, m, 3).value()};
}

void BuildViewMatrix(double alfa, double beta, double distance) {
  const double a = Radians(alfa).value();
  const double b = Radians(beta).value();
  const double sinA = std::sin(a), cosA = std::cos(a);
  const double sinB = std::sin(b), cosB = std::cos(b);
  ViewMatrix.m = {{
      {-sinA, -cosA * cosB, -cosA * sinB, 0.0},
      {cosA, -sinA * cosB, -sinA * sinB, 0.0},
      {0.0, sinB, -cosB, 0.0},
      {0.0, 0.0, distance, 1.0},
  }};
}

void ProjectScene() {
  TransformAll(SceneTable, ViewMatrix);

  // The quotient z / zoom comes first: zoom 0 fails at the first point, depth 0 at its x.
  const Checked zoom = ViewState.zoom;
  for (HPoint& p : SceneTable) {
    const Checked depthOverZoom = Checked(p.z) / zoom;
    p.x = (Checked(p.x) / depthOverZoom).value();
    p.y = (Checked(p.y) / depthOverZoom).value();
  }

  for (HPoint& p : SceneTable) {
    p.x = (Checked(p.x) * 100.0).value();
    p.y = (Checked(p.y) * 100.0).value();
  }

  ScreenShiftMatrix.m = {{
      {1.0, 0.0, 0.0, 0.0},
      {0.0, 1.0, 0.0, 0.0},
      {0.0, 0.0, 1.0, 0.0},
      {ViewState.shiftX, ViewState.shiftY, 0.0, 1.0},
  }};
  TransformAll(SceneTable, ScreenShiftMatrix);

  FlipY(SceneTable);
}

void ProjectAxes() {
  AxisTable = {{
      {0.0, 0.0, 0.0, 1.0},
      {500.0, 0.0, 0.0, 1.0},
      {0.0, 500.0, 0.0, 1.0},
      {0.0, 0.0, 500.0, 1.0},
  }};
  TransformAll(AxisTable, ViewMatrix);
  TransformAll(AxisTable, ScreenShiftMatrix);
  FlipY(AxisTable);
}
