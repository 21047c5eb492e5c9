#include "render/picture.h"

#include "geometry/scene.h"
#include "render/drawing.h"
#include "render/drawing_area.h"
#include "view/projection.h"

namespace {

void SetPenColor(TColor colour) { Image1().GetCanvas().SetPenColor(colour); }

void Segment(const HPoint& from, const HPoint& to) { DrawSegment(from.x, from.y, to.x, to.y); }

// Four separate sides, each starting with its own move.
void Patch(const HPoint& a, const HPoint& b, const HPoint& c, const HPoint& d) {
  Segment(a, b);
  Segment(b, c);
  Segment(c, d);
  Segment(d, a);
}

}  // namespace

void DrawScene() {
  const TSceneTable& t = SceneTable;
  SetPenColor(kLineColour);
  Segment(t[10], t[11]);
  SetPenColor(kPlane1Colour);
  Patch(t[2], t[3], t[5], t[4]);
  SetPenColor(kPlane2Colour);
  Patch(t[6], t[7], t[9], t[8]);
}

void DrawAxes() {
  const TAxisTable& a = AxisTable;
  SetPenColor(kAxisXYColour);
  Segment(a[0], a[1]);
  SetPenColor(kAxisXYColour);
  Segment(a[0], a[2]);
  SetPenColor(kAxisZColour);
  Segment(a[0], a[3]);
}
