#include "view/view_state.h"

#include <gtest/gtest.h>

#include "program_state.h"

namespace {

class ViewStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
};

TEST_F(ViewStateTest, FirstCycleSetsTheDefaultsWhateverWasSteppedBefore) {
  ApplyViewStep(ViewStep::AlfaUp);
  ApplyViewStep(ViewStep::ZoomDown);
  ApplyViewStep(ViewStep::ShiftYUp);
  ApplyViewDefaults();
  EXPECT_EQ(ViewState.alfa, -60.0);
  EXPECT_EQ(ViewState.beta, 60.0);
  EXPECT_EQ(ViewState.zoom, 200.0);
  EXPECT_EQ(ViewState.distance, 300.0);
  EXPECT_EQ(ViewState.shiftX, 100.0);
  EXPECT_EQ(ViewState.shiftY, -250.0);
  EXPECT_EQ(ViewState.drawCount, 2.0);
}

TEST_F(ViewStateTest, LaterCyclesOnlyCount) {
  ApplyViewDefaults();
  ApplyViewStep(ViewStep::BetaDown);
  ApplyViewDefaults();
  EXPECT_EQ(ViewState.beta, 50.0);
  EXPECT_EQ(ViewState.drawCount, 3.0);
}

TEST_F(ViewStateTest, EachStepChangesItsOwnFieldByTen) {
  struct Row {
    ViewStep step;
    double TViewState::*field;
    double change;
  };
  const Row rows[] = {
      {ViewStep::AlfaUp, &TViewState::alfa, 10},          {ViewStep::AlfaDown, &TViewState::alfa, -10},
      {ViewStep::BetaUp, &TViewState::beta, 10},          {ViewStep::BetaDown, &TViewState::beta, -10},
      {ViewStep::ZoomUp, &TViewState::zoom, 10},          {ViewStep::ZoomDown, &TViewState::zoom, -10},
      {ViewStep::ShiftXUp, &TViewState::shiftX, 10},      {ViewStep::ShiftXDown, &TViewState::shiftX, -10},
      {ViewStep::ShiftYUp, &TViewState::shiftY, 10},      {ViewStep::ShiftYDown, &TViewState::shiftY, -10},
      {ViewStep::DistanceUp, &TViewState::distance, 10},  {ViewStep::DistanceDown, &TViewState::distance, -10},
  };
  for (const Row& row : rows) {
    SetDefaultView();
    TViewState expected = ViewState;
    expected.*row.field += row.change;
    ApplyViewStep(row.step);
    for (double TViewState::*f : {&TViewState::alfa, &TViewState::beta, &TViewState::zoom,
                                  &TViewState::distance, &TViewState::shiftX, &TViewState::shiftY,
                                  &TViewState::drawCount}) {
      EXPECT_EQ(ViewState.*f, expected.*f) << static_cast<int>(row.step);
    }
  }
}

TEST_F(ViewStateTest, StepsAreExactAndNotReduced) {
  SetDefaultView();
  for (int i = 0; i < 6; ++i) ApplyViewStep(ViewStep::AlfaUp);
  EXPECT_EQ(ViewState.alfa, 0.0);
  for (int i = 0; i < 36; ++i) ApplyViewStep(ViewStep::AlfaUp);
  EXPECT_EQ(ViewState.alfa, 360.0);
  ApplyViewStep(ViewStep::ZoomUp);
  ApplyViewStep(ViewStep::ZoomDown);
  EXPECT_EQ(ViewState.zoom, 200.0);
}

}  // namespace
