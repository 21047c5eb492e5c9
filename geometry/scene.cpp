#include "geometry/scene.h"

#include <string>

#include "geometry/checked.h"
#include "geometry/errors.h"

TSceneTable SceneTable{};

namespace {

struct CVec {
  Checked x, y, z;
};

CVec Checked3(const Vec3& v) { return {v.x, v.y, v.z}; }

CVec Cross(const CVec& a, const CVec& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Sums of three products are added left to right.
Checked Dot(const CVec& a, const CVec& b) { return (a.x * b.x + a.y * b.y) + a.z * b.z; }

bool IsZero(const CVec& v) { return v.x == 0.0 && v.y == 0.0 && v.z == 0.0; }

struct CheckedPlane {
  CVec normal;
  Checked d;
};

// The normal follows the right-hand rule from T1 towards T2 and then T3.
CheckedPlane PlaneThrough(const PlanePoints& points) {
  const CVec t1 = Checked3(points.t1);
  const CVec t2 = Checked3(points.t2);
  const CVec t3 = Checked3(points.t3);
  const CVec normal =
      Cross({t2.x - t1.x, t2.y - t1.y, t2.z - t1.z}, {t3.x - t1.x, t3.y - t1.y, t3.z - t1.z});
  return {normal, -Dot(t1, normal)};
}

// Says what is wrong with input whose intersection line has no point in the plane z = 0.
std::string DegenerateInputReason(const CVec& n1, const CVec& n2, const CVec& direction) {
  if (IsZero(n1)) return "Točke prve ravnine ležijo na isti premici ali sovpadajo.";
  if (IsZero(n2)) return "Točke druge ravnine ležijo na isti premici ali sovpadajo.";
  if (IsZero(direction)) return "Ravnini sta vzporedni ali enaki, zato se ne sekata v premici.";
  return "Presečna premica je vzporedna z ravnino XY, zato je ni mogoče izrisati.";
}

// Writes factor·v + base into one table point, component by component, then w = 1.
void WritePoint(HPoint& point, const CVec& base, Checked factor, const CVec& v) {
  point.x = (factor * v.x + base.x).value();
  point.y = (factor * v.y + base.y).value();
  point.z = (factor * v.z + base.z).value();
  point.w = 1.0;
}

// Writes base − factor·v likewise.
void WritePointBack(HPoint& point, const CVec& base, Checked factor, const CVec& v) {
  point.x = (base.x - factor * v.x).value();
  point.y = (base.y - factor * v.y).value();
  point.z = (base.z - factor * v.z).value();
  point.w = 1.0;
}

CVec Corner(const HPoint& p) { return {p.x, p.y, p.z}; }

}  // namespace

void BuildScene(const SceneInput& input) {
  // Planes and the direction of their intersection line (not normalised).
  const CheckedPlane plane1 = PlaneThrough(input.plane1);
  const CheckedPlane plane2 = PlaneThrough(input.plane2);
  const CVec& n1 = plane1.normal;
  const CVec& n2 = plane2.normal;
  const Checked a1 = n1.x, b1 = n1.y, d1 = plane1.d;
  const Checked a2 = n2.x, b2 = n2.y, d2 = plane2.d;
  const CVec e = Cross(n1, n2);

  // Base point in z = 0 by Cramer's rule, y first; the first division of the scene, where all
  // degenerate input fails. The kind of failure is the division's; the message says why.
  Checked y0;
  try {
    y0 = (d1 * a2 - d2 * a1) / (a1 * b2 - a2 * b1);
  } catch (const EZeroDivide&) {
    throw EZeroDivide(DegenerateInputReason(n1, n2, e));
  } catch (const EInvalidOp&) {
    throw EInvalidOp(DegenerateInputReason(n1, n2, e));
  }
  const Checked x0 = (d1 * b2 - d2 * b1) / (a2 * b1 - a1 * b2);
  const CVec p0{x0, y0, 0.0};

  // Nearest point to the origin: the projection of the origin onto the line.
  const Checked eSquared = Dot(e, e);
  const Checked t = -Dot(p0, e) / eSquared;
  const CVec c{t * e.x + p0.x, t * e.y + p0.y, t * e.z + p0.z};
  const Checked cLength = Sqrt(Dot(c, c));
  const Checked extent = cLength >= 200.0 ? cLength : Checked(200.0);

  // Divided by squared lengths, so the offsets shrink as E, U1 and U2 grow.
  const Checked k1 = extent / eSquared;
  WritePoint(SceneTable[0], c, k1, e);
  WritePointBack(SceneTable[1], c, k1, e);

  const Checked k3 = 3.0 * extent / eSquared;
  WritePoint(SceneTable[10], c, k3, e);
  WritePointBack(SceneTable[11], c, k3, e);

  const CVec u1 = Cross(n1, e);
  const CVec u2 = Cross(n2, e);
  const Checked s = 10.0 * extent / Dot(u1, u1);
  const Checked p = 5.0 * extent / Dot(u2, u2);

  const CVec a = Corner(SceneTable[0]);
  const CVec b = Corner(SceneTable[1]);
  WritePoint(SceneTable[2], a, s, u1);
  WritePointBack(SceneTable[3], a, s, u1);
  WritePoint(SceneTable[4], b, s, u1);
  WritePointBack(SceneTable[5], b, s, u1);
  WritePoint(SceneTable[6], a, p, u2);
  WritePointBack(SceneTable[7], a, p, u2);
  WritePoint(SceneTable[8], b, p, u2);
  WritePointBack(SceneTable[9], b, p, u2);
}
