// The rules of the point kinds that are neither intersections nor transformed points.
#include <cmath>

#include "geometry/element_points.h"
#include "geometry/number_parents.h"
#include "geometry/position_on_element.h"
#include "geometry/rules.h"
#include "geometry/tolerances.h"

namespace velt {
namespace {

double PixelsPerUnit(const RuleContext& ctx) { return ctx.doc ? ctx.doc->measureScale : 1.0; }

bool Polar(const RuleContext& ctx) { return ctx.doc && ctx.doc->coordinateSystem == 1; }

// The origin and unit lengths of coordinate axes.
struct Frame {
  Pt origin;
  double unitX = 1, unitY = 1;
};

std::optional<Frame> FrameOf(const Element& axes) {
  const auto* ext = axes.as<AxesExt>();
  if (!ext) return std::nullopt;
  Frame f{{}, ext->xUnit, ext->yUnit};
  if (axes.parent[0]) {
    f.origin = PointA(*axes.parent[0]);
  } else if (ext->xAxis) {
    f.origin = PointA(*ext->xAxis);
  }
  return f;
}

Pt InFrame(const Frame& f, double u, double v) {
  return {f.origin.x + u * f.unitX, f.origin.y + v * f.unitY};
}

// 1: the point stays on its carrier at its stored parameter.
void PointOnElement(Element& e, const RuleContext& ctx) {
  const Element& carrier = *e.parent[0];
  if (!CanCarryPoints(carrier.type())) {
    e.exists = 1;  // nothing to follow: the point keeps its coordinates
    return;
  }
  double t = e.value[3];
  const auto p = PositionOnElement(carrier, t, ctx);
  if (!p) {
    e.exists = 0;
    return;
  }
  SetPointA(e, *p);
  e.value[3] = t;
  e.exists = 1;
}

// 4: halfway between two points.
void MidpointRule(Element& e, const RuleContext&) {
  SetPointA(e, Midpoint(PointA(*e.parent[0]), PointA(*e.parent[1])));
  e.exists = 1;
}

// 27: the base point moved by a length along a direction element.
void DisplacedPoint(Element& e, const RuleContext& ctx) {
  const Element& base = *e.parent[0];
  const Element& dir = *e.parent[1];
  const Element& number = *e.parent[2];
  if (InError(number)) {
    e.exists = 0;
    return;
  }
  const Pt p = PointA(base);
  const double d = number.value[0] * PixelsPerUnit(ctx);
  auto place = [&](Pt from, Pt towards, double dist) {
    if (Distance(from, towards) < kPointCoincidence) {
      e.exists = 0;
      return;
    }
    SetPointA(e, PointTowards(from, towards, dist));
    e.exists = 1;
  };
  switch (dir.type()) {
    case kTypePoint: place(p, PointA(dir), d); return;
    case kTypeLine:
    case kTypeRay: {
      // Along an axis the length is counted in that axis's unit, so the point lands on the
      // axis at the number's coordinate.
      double dist = d;
      const auto* axes = dir.owner ? dir.owner->as<AxesExt>() : nullptr;
      if (axes && dir.kind == kAxisX) dist = number.value[0] * axes->xUnit;
      if (axes && dir.kind == kAxisY) dist = number.value[0] * axes->yUnit;
      place(PointA(dir), PointB(dir), dist);
      return;
    }
    case kTypeCircle: {
      // Along the circle through the base point, by an arc of length d.
      const Pt c = PointA(dir);
      const double r = Distance(c, p);
      SetPointA(e, r < kPointCoincidence ? p : RotateAbout(p, c, d / r));
      e.exists = 1;
      return;
    }
    case kTypeVector: place(p, p + (PointB(dir) - PointA(dir)), d); return;
    default: return;  // no direction to follow: nothing changes
  }
}

// 49: a point given by two numbers in the coordinates of the axes.
void PointByCoordinates(Element& e, const RuleContext& ctx) {
  const Element& n1 = *e.parent[0];
  const Element& n2 = *e.parent[1];
  const auto frame = FrameOf(*e.parent[2]);
  if (InError(n1) || InError(n2) || !frame) {
    e.exists = 0;
    return;
  }
  double u = n1.value[0], v = n2.value[0];
  if (Polar(ctx)) {
    const double theta = ToRadians(v, ctx);
    v = u * std::sin(theta);
    u = u * std::cos(theta);
  }
  SetPointA(e, InFrame(*frame, u, v));
  e.exists = 1;
}

// 59: a vertex of a regular polygon, the first vertex turned about the centre.
void RegularPolygonVertex(Element& e, const RuleContext&) {
  SetPointA(e, RotateAbout(PointA(*e.parent[1]), PointA(*e.parent[0]), e.value[3]));
  e.exists = 1;
}

// 60 and 62: a point at stored axes coordinates (u, v) in value3, value4.
void PlaceInFrame(Element& e, const Element* axes) {
  const auto frame = axes && axes->exists ? FrameOf(*axes) : std::nullopt;
  if (!frame) {
    e.exists = 0;
    return;
  }
  SetPointA(e, InFrame(*frame, e.value[2], e.value[3]));
  e.exists = 1;
}

void PlottedPoint(Element& e, const RuleContext&) { PlaceInFrame(e, e.parent[0]); }

void PointOnGrid(Element& e, const RuleContext&) { PlaceInFrame(e, e.parent[0]->parent[0]); }

// 72: a point moved by the sum of two vectors.
void VectorSum(Element& e, const RuleContext&) {
  const Element& u = *e.parent[0];
  const Element& w = *e.parent[1];
  SetPointA(e, PointA(*e.parent[2]) + (PointB(u) - PointA(u)) + (PointB(w) - PointA(w)));
  e.exists = 1;
}

}  // namespace

void AddPointRules(RuleTable& t) {
  t[kPointOnElement] = {PointOnElement, 1};
  t[kMidpoint] = {MidpointRule, 2};
  t[kDisplacedPoint] = {DisplacedPoint, 3};
  t[kPointByCoordinates] = {PointByCoordinates, 3};
  t[kRegularPolygonVertex] = {RegularPolygonVertex, 2};
  t[kPlottedPoint] = {PlottedPoint, 1};
  t[kPointOnGrid] = {PointOnGrid, 1};
  t[kVectorSum] = {VectorSum, 3};
}

}  // namespace velt
