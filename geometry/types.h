#pragma once
// The value types shared by geometry, viewing and drawing.
// Conventions: points are row vectors transformed as p' = p · M; every point the program builds
// has w = 1; screen coordinates have their origin top-left with y growing downward.

#include <array>

// A point, plane normal or direction in world space.
struct Vec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// A homogeneous point.
struct HPoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double w = 0.0;
};

// 4×4 matrix stored row by row: m[row][column].
struct Matrix4 {
  std::array<std::array<double, 4>, 4> m{};
};

// The plane a·x + b·y + c·z + d = 0; (a, b, c) is its normal.
struct Plane {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  double d = 0.0;
};

// The three points T1, T2, T3 that define one plane.
struct PlanePoints {
  Vec3 t1;
  Vec3 t2;
  Vec3 t3;
};

// The eighteen coordinates of one cycle.
struct SceneInput {
  PlanePoints plane1;
  PlanePoints plane2;
};

// Twelve points with fixed roles: 0 and 1 end the short segment of the intersection line,
// 2–5 and 6–9 are the corners of the first and second plane's patch, 10 and 11 end the long
// segment.
inline constexpr int kScenePointCount = 12;
using TSceneTable = std::array<HPoint, kScenePointCount>;
