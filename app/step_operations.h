#pragma once
// The step buttons' operations: one view parameter by ±10, then a cycle.

#include "view/view_state.h"

// The change is made before the cycle and stays whatever the cycle does; the cycle's
// exception passes out unchanged.
void StepView(ViewStep step);
