#include "view/view_state.h"

TViewState ViewState{};

namespace {
constexpr double kStep = 10.0;
}

void ApplyViewDefaults() {
  if (ViewState.drawCount == 1.0) {
    ViewState.alfa = -60.0;
    ViewState.beta = 60.0;
    ViewState.zoom = 200.0;
    ViewState.distance = 300.0;
    ViewState.shiftX = 100.0;
    ViewState.shiftY = -250.0;
  }
  ViewState.drawCount += 1.0;
}

void ApplyViewStep(ViewStep step) {
  switch (step) {
    case ViewStep::AlfaUp: ViewState.alfa += kStep; break;
    case ViewStep::AlfaDown: ViewState.alfa -= kStep; break;
    case ViewStep::BetaUp: ViewState.beta += kStep; break;
    case ViewStep::BetaDown: ViewState.beta -= kStep; break;
    case ViewStep::ZoomUp: ViewState.zoom += kStep; break;
    case ViewStep::ZoomDown: ViewState.zoom -= kStep; break;
    case ViewStep::ShiftXUp: ViewState.shiftX += kStep; break;
    case ViewStep::ShiftXDown: ViewState.shiftX -= kStep; break;
    case ViewStep::ShiftYUp: ViewState.shiftY += kStep; break;
    case ViewStep::ShiftYDown: ViewState.shiftY -= kStep; break;
    case ViewStep::DistanceUp: ViewState.distance += kStep; break;
    case ViewStep::DistanceDown: ViewState.distance -= kStep; break;
  }
}
