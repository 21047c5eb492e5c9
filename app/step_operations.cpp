#include "app/step_operations.h"

#include "app/redraw.h"

void StepView(ViewStep step) {
  ApplyViewStep(step);
  Redraw();
}
