#pragma once
// The redraw cycle: the eighteen field texts and the view become a new picture.

#include "geometry/coordinate_input.h"

// What the cycle needs of the main window's coordinate fields.
class CoordinateFields {
 public:
  virtual ~CoordinateFields() = default;
  // The eighteen texts in reading order (see CoordinateTexts).
  virtual CoordinateTexts Texts() const = 0;
};

// The main window binds its fields here when it is created; nullptr unbinds.
void BindCoordinateFields(const CoordinateFields* fields);

// Stage 1: the bound fields' texts, converted. Raises EConvertError at the first bad text.
SceneInput ReadCoordinates();

// One cycle. Catches nothing: a failing stage ends the cycle and its exception leaves Redraw,
// with whatever the stages before it did left in place.
void Redraw();
