#include "geometry/scene.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <string>

#include "geometry/errors.h"

namespace {

using Coordinates = std::array<double, 18>;
using Expected = std::array<Vec3, kScenePointCount>;

SceneInput Input(const Coordinates& c) {
  auto point = [&](std::size_t i) { return Vec3{c[i], c[i + 1], c[i + 2]}; };
  return {{point(0), point(3), point(6)}, {point(9), point(12), point(15)}};
}

// Planes that the examples below combine.
constexpr std::array<double, 9> kPlaneX0 = {0, 0, 0, 0, 1, 0, 0, 0, 1};
constexpr std::array<double, 9> kPlaneX0Spread = {0, 0, 0, 0, 2, 0, 0, 0, 2};
constexpr std::array<double, 9> kPlaneY0 = {0, 0, 0, 0, 0, 1, 1, 0, 0};
constexpr std::array<double, 9> kPlaneZisYplus100 = {0, 0, 100, 1, 0, 100, 0, 1, 101};

Coordinates Join(const std::array<double, 9>& first, const std::array<double, 9>& second) {
  Coordinates c{};
  for (std::size_t i = 0; i < 9; ++i) {
    c[i] = first[i];
    c[i + 9] = second[i];
  }
  return c;
}

struct WorkedExample {
  std::string name;
  Coordinates input;
  Expected points;
};

TEST(BuildScene, WorkedExamplesComeOutExactly) {
  const WorkedExample examples[] = {
      {"planes x = 0 and y = 0",
       Join(kPlaneX0, kPlaneY0),
       {{{0, 0, 200}, {0, 0, -200}, {0, -2000, 200}, {0, 2000, 200}, {0, -2000, -200},
         {0, 2000, -200}, {1000, 0, 200}, {-1000, 0, 200}, {1000, 0, -200}, {-1000, 0, -200},
         {0, 0, 600}, {0, 0, -600}}}},
      {"line far from the origin",
       {300, 0, 0, 300, 1, 0, 300, 0, 1, 0, 400, 0, 0, 400, 1, 1, 400, 0},
       {{{300, 400, 500}, {300, 400, -500}, {300, -4600, 500}, {300, 5400, 500},
         {300, -4600, -500}, {300, 5400, -500}, {2800, 400, 500}, {-2200, 400, 500},
         {2800, 400, -500}, {-2200, 400, -500}, {300, 400, 1500}, {300, 400, -1500}}}},
      {"vectors longer than 1",
       Join(kPlaneX0, kPlaneZisYplus100),
       {{{0, -150, -50}, {0, 50, 150}, {0, 850, -1050}, {0, -1150, 950}, {0, 1050, -850},
         {0, -950, 1150}, {500, -150, -50}, {-500, -150, -50}, {500, 50, 150}, {-500, 50, 150},
         {0, -350, -250}, {0, 250, 350}}}},
      {"points farther apart give a smaller scene",
       Join(kPlaneX0Spread, kPlaneZisYplus100),
       {{{0, -75, 25}, {0, -25, 75}, {0, -12.5, -37.5}, {0, -137.5, 87.5}, {0, 37.5, 12.5},
         {0, -87.5, 137.5}, {125, -75, 25}, {-125, -75, 25}, {125, -25, 75}, {-125, -25, 75},
         {0, -125, -25}, {0, 25, 125}}}},
      {"blocks exchanged",
       Join(kPlaneZisYplus100, kPlaneX0),
       {{{0, 50, 150}, {0, -150, -50}, {-1000, 50, 150}, {1000, 50, 150}, {-1000, -150, -50},
         {1000, -150, -50}, {0, -450, 650}, {0, 550, -350}, {0, -650, 450}, {0, 350, -550},
         {0, 250, 350}, {0, -350, -250}}}},
  };
  for (const WorkedExample& example : examples) {
    SceneTable = {};
    BuildScene(Input(example.input));
    for (std::size_t i = 0; i < kScenePointCount; ++i) {
      const HPoint& p = SceneTable[i];
      const Vec3& q = example.points[i];
      EXPECT_TRUE(p.x == q.x && p.y == q.y && p.z == q.z && p.w == 1.0)
          << example.name << ", point " << i << ": (" << p.x << ", " << p.y << ", " << p.z
          << ", " << p.w << ") instead of (" << q.x << ", " << q.y << ", " << q.z << ", 1)";
    }
  }
}

enum class Kind { ZeroDivide, InvalidOp };

struct Degenerate {
  std::string name;
  Coordinates input;
  Kind kind;
  std::string reason;
};

TEST(BuildScene, DegenerateInputRaisesItsKindAndLeavesTheTableUntouched) {
  const std::string collinear1 = "Točke prve ravnine ležijo na isti premici ali sovpadajo.";
  const std::string collinear2 = "Točke druge ravnine ležijo na isti premici ali sovpadajo.";
  const std::string parallel = "Ravnini sta vzporedni ali enaki, zato se ne sekata v premici.";
  const std::string level = "Presečna premica je vzporedna z ravnino XY, zato je ni mogoče izrisati.";
  const Degenerate cases[] = {
      {"first plane's points on one line", Join({0, 0, 0, 1, 1, 1, 2, 2, 2}, kPlaneY0),
       Kind::InvalidOp, collinear1},
      {"second plane's points coincide", Join(kPlaneX0, {1, 2, 3, 1, 2, 3, 4, 5, 6}),
       Kind::InvalidOp, collinear2},
      {"all eighteen zero", Coordinates{}, Kind::InvalidOp, collinear1},
      {"the same three points twice", Join(kPlaneY0, kPlaneY0), Kind::InvalidOp, parallel},
      {"parallel planes x = 0 and x = 1", Join(kPlaneX0, {1, 0, 0, 1, 1, 0, 1, 0, 1}),
       Kind::ZeroDivide, parallel},
      {"parallel planes z = 0 and z = 1",
       Join({0, 0, 0, 1, 0, 0, 0, 1, 0}, {0, 0, 1, 1, 0, 1, 0, 1, 1}), Kind::InvalidOp,
       parallel},
      {"horizontal plane z = 5 with x = 0", Join({0, 0, 5, 1, 0, 5, 0, 1, 5}, kPlaneX0),
       Kind::ZeroDivide, level},
      {"line lying in z = 0", Join({0, 0, 0, 1, 0, 0, 0, 1, 0}, kPlaneX0), Kind::InvalidOp,
       level},
  };
  TSceneTable sentinel;
  for (std::size_t i = 0; i < sentinel.size(); ++i) {
    const double v = static_cast<double>(i) + 0.5;
    sentinel[i] = {v, -v, 2 * v, 3 * v};
  }
  for (const Degenerate& c : cases) {
    SceneTable = sentinel;
    try {
      BuildScene(Input(c.input));
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EZeroDivide& e) {
      EXPECT_EQ(c.kind, Kind::ZeroDivide) << c.name;
      EXPECT_EQ(e.what(), c.reason) << c.name;
    } catch (const EInvalidOp& e) {
      EXPECT_EQ(c.kind, Kind::InvalidOp) << c.name;
      EXPECT_EQ(e.what(), c.reason) << c.name;
    }
    for (std::size_t i = 0; i < sentinel.size(); ++i) {
      EXPECT_TRUE(SceneTable[i].x == sentinel[i].x && SceneTable[i].y == sentinel[i].y &&
                  SceneTable[i].z == sentinel[i].z && SceneTable[i].w == sentinel[i].w)
          << c.name << ": point " << i << " was written";
    }
  }
}

TEST(BuildScene, ExtremeCoordinatesOverflowAfterTheBaseDivision) {
  // Ordinary geometry at 1e100: the normals are 1e200, E would be 1e400.
  const double big = 1e100;
  SceneTable = {};
  EXPECT_THROW(BuildScene(Input({0, 0, 0, 0, big, 0, 0, 0, big, 0, 0, 0, 0, 0, big, big, 0, 0})),
               EOverflow);
}

TEST(BuildScene, NearlyDegenerateInputIsNoError) {
  // x = 0 and a plane turned by 2^-30 from x = 1 about the Z axis: they meet at y = −2^30.
  BuildScene(Input(Join(kPlaneX0, {1, 0, 0, 1 + 0x1p-30, 1, 0, 1, 0, 1})));
  EXPECT_EQ(SceneTable[0].y, -0x1p30);
  EXPECT_GT(SceneTable[11].z - SceneTable[10].z, 1e9);
}

}  // namespace
