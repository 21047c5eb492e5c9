#pragma once
// Puts the program's module-level state back to its start values between tests.

#include "geometry/scene.h"
#include "view/projection.h"
#include "view/view_state.h"

inline void ResetProgramState() {
  SceneTable = {};
  ViewState = {};
  ViewMatrix = {};
  ScreenShiftMatrix = {};
  AxisTable = {};
}

// The view the first successful cycle sets.
inline void SetDefaultView() {
  ViewState = {};
  ApplyViewDefaults();
}
