#include "view/projection.h"

#include <gtest/gtest.h>

#include <array>

#include "geometry/errors.h"
#include "program_state.h"

namespace {

class ProjectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    SetDefaultView();
  }

  static void BuildMatrix() {
    BuildViewMatrix(ViewState.alfa, ViewState.beta, ViewState.distance);
  }

  // The scene table holding these world points first, the rest at the world origin.
  static void PlaceScene(std::initializer_list<Vec3> points) {
    SceneTable.fill({0, 0, 0, 1});
    std::size_t i = 0;
    for (const Vec3& p : points) SceneTable[i++] = {p.x, p.y, p.z, 1};
  }

  // Screen points of the scene and the axes under the current view.
  struct Picture {
    TSceneTable scene;
    TAxisTable axes;
  };
  static Picture Project(std::initializer_list<Vec3> points) {
    BuildMatrix();
    PlaceScene(points);
    ProjectScene();
    ProjectAxes();
    return {SceneTable, AxisTable};
  }
};

TEST_F(ProjectionTest, DefaultViewMatrix) {
  BuildMatrix();
  const double expected[4][4] = {{0.866025, -0.250000, -0.433013, 0},
                                 {0.500000, 0.433013, 0.750000, 0},
                                 {0, 0.866025, -0.500000, 0},
                                 {0, 0, 300, 1}};
  for (std::size_t r = 0; r < 4; ++r) {
    for (std::size_t c = 0; c < 4; ++c) {
      EXPECT_NEAR(ViewMatrix.m[r][c], expected[r][c], 5e-7) << r << ", " << c;
    }
  }
}

TEST_F(ProjectionTest, DefaultViewAxes) {
  const Picture picture = Project({});
  const std::array<std::array<double, 2>, 4> expected = {
      {{100, 250}, {533.013, 375.000}, {350.000, 33.494}, {100, -183.013}}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(picture.axes[i].x, expected[i][0], 5e-4) << i;
    EXPECT_NEAR(picture.axes[i].y, expected[i][1], 5e-4) << i;
  }
  // π is 3.141592 here, which shows in the sixth decimal.
  EXPECT_NEAR(picture.axes[1].y, 375.000094, 5e-7);
}

TEST_F(ProjectionTest, DefaultViewScenePoints) {
  const Picture picture = Project({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
  const std::array<std::array<double, 2>, 4> expected = {
      {{100, 250}, {157.818, 266.691}, {133.250, 221.204}, {100, 192.169}}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(picture.scene[i].x, expected[i][0], 5e-4) << i;
    EXPECT_NEAR(picture.scene[i].y, expected[i][1], 5e-4) << i;
  }
}

TEST_F(ProjectionTest, WorldOriginLandsOnTheAxesOriginInAnyView) {
  for (double alfa : {-60.0, 0.0, 35.0, 400.0}) {
    for (double beta : {-30.0, 60.0, 90.0}) {
      ViewState.alfa = alfa;
      ViewState.beta = beta;
      const Picture picture = Project({{0, 0, 0}});
      EXPECT_EQ(picture.scene[0].x, 100.0);
      EXPECT_EQ(picture.scene[0].y, 250.0);
      EXPECT_EQ(picture.axes[0].x, 100.0);
      EXPECT_EQ(picture.axes[0].y, 250.0);
    }
  }
}

TEST_F(ProjectionTest, ZoomScalesTheSceneAndLeavesTheAxes) {
  const std::initializer_list<Vec3> points = {{1, 2, 3}, {-40, 7, 0.5}, {100, -100, 50}};
  const Picture before = Project(points);
  ViewState.zoom *= 2;
  const Picture after = Project(points);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(after.scene[i].x - 100, 2 * (before.scene[i].x - 100), 1e-9) << i;
    EXPECT_NEAR(after.scene[i].y - 250, 2 * (before.scene[i].y - 250), 1e-9) << i;
  }
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(after.axes[i].x, before.axes[i].x);
    EXPECT_EQ(after.axes[i].y, before.axes[i].y);
  }
}

TEST_F(ProjectionTest, DistanceDeepensEveryPointAndLeavesTheAxes) {
  const HPoint p{12, -5, 40, 1};
  BuildMatrix();
  const double depth = TransformPoint(p, ViewMatrix).z;
  const TAxisTable axes = Project({}).axes;
  ViewState.distance += 10;
  BuildMatrix();
  EXPECT_EQ(TransformPoint(p, ViewMatrix).z, depth + 10);
  const TAxisTable movedAxes = Project({}).axes;
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(movedAxes[i].x, axes[i].x);
    EXPECT_EQ(movedAxes[i].y, axes[i].y);
  }
}

TEST_F(ProjectionTest, ShiftMovesEverythingByTenPixels) {
  const std::initializer_list<Vec3> points = {{1, 2, 3}, {-40, 7, 0.5}};
  const Picture before = Project(points);
  ViewState.shiftX += 10;  // right
  ViewState.shiftY += 10;  // up
  const Picture after = Project(points);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(after.scene[i].x, before.scene[i].x + 10, 1e-12);
    EXPECT_NEAR(after.scene[i].y, before.scene[i].y - 10, 1e-12);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(after.axes[i].x, before.axes[i].x + 10, 1e-12);
    EXPECT_NEAR(after.axes[i].y, before.axes[i].y - 10, 1e-12);
  }
}

TEST_F(ProjectionTest, ZoomZeroFailsAtTheFirstPointAfterViewingAllOfThem) {
  ViewState.zoom = 0;
  BuildMatrix();
  PlaceScene({{1, 0, 0}, {0, 1, 0}});
  EXPECT_THROW(ProjectScene(), EZeroDivide);
  // The viewing step had already run over all twelve points.
  const HPoint viewed = TransformPoint({0, 1, 0, 1}, ViewMatrix);
  EXPECT_EQ(SceneTable[1].x, viewed.x);
  EXPECT_EQ(SceneTable[1].z, viewed.z);
}

TEST_F(ProjectionTest, DepthZeroFailures) {
  struct Row {
    const char* name;
    double zoom;
    Vec3 point;    // with the identity as view, x is xe and z the depth
    bool invalid;  // EInvalidOp rather than EZeroDivide
  };
  const Row rows[] = {
      {"zoom 0, ordinary depth", 0, {1, 2, 3}, false},
      {"zoom 0, depth 0", 0, {1, 2, 0}, true},
      {"depth 0, x non-zero", 200, {5, 1, 0}, false},
      {"depth 0, x 0", 200, {0, 1, 0}, true},
  };
  for (const Row& row : rows) {
    ViewState.zoom = row.zoom;
    ViewMatrix.m = {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
    PlaceScene({row.point});
    if (row.invalid) {
      EXPECT_THROW(ProjectScene(), EInvalidOp) << row.name;
    } else {
      EXPECT_THROW(ProjectScene(), EZeroDivide) << row.name;
    }
  }
}

}  // namespace
