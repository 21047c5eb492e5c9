#include "app/redraw.h"

#include <stdexcept>

#include "geometry/scene.h"
#include "render/drawing.h"
#include "render/picture.h"
#include "view/projection.h"
#include "view/view_state.h"

namespace {
const CoordinateFields* boundFields = nullptr;
}

void BindCoordinateFields(const CoordinateFields* fields) { boundFields = fields; }

SceneInput ReadCoordinates() {
  if (boundFields == nullptr) throw std::logic_error("no coordinate fields are bound");
  return ConvertCoordinates(boundFields->Texts());
}

void Redraw() {
  const SceneInput input = ReadCoordinates();                                 // 1
  BuildScene(input);                                                          // 2
  ApplyViewDefaults();                                                        // 3
  BuildViewMatrix(ViewState.alfa, ViewState.beta, ViewState.distance);        // 4
  ProjectScene();                                                             // 5
  ClearSurface();                                                             // 6
  DrawScene();                                                                // 7
  ProjectAxes();                                                              // 8
  DrawAxes();                                                                 // 9
}
