#pragma once
// The viewing parameters, their first-draw defaults and the ±10 steps of the step buttons.

// Angles in degrees, distance in scene units, shifts in pixels. No limits, no normalisation.
struct TViewState {
  double alfa = 0.0;      // eye's angle about the Z axis, from X towards Y
  double beta = 0.0;      // angle between the positive Z axis and the eye's direction
  double zoom = 0.0;      // perspective projection distance
  double distance = 0.0;  // eye's distance from the origin
  double shiftX = 0.0;    // the world origin is drawn at screen x = shiftX
  double shiftY = 0.0;    // ... and at screen y = −shiftY
  double drawCount = 1.0;  // cycles that reached ApplyViewDefaults, plus one
};

extern TViewState ViewState;

// The first cycle that reaches it sets the default view; every such cycle counts.
void ApplyViewDefaults();

// One step button's change: one field of ViewState by +10 or −10.
enum class ViewStep {
  AlfaUp,
  AlfaDown,
  BetaUp,
  BetaDown,
  ZoomUp,
  ZoomDown,
  ShiftXUp,
  ShiftXDown,
  ShiftYUp,
  ShiftYDown,
  DistanceUp,
  DistanceDown,
};

void ApplyViewStep(ViewStep step);
