// The hit test of one element, by its type.
#include <algorithm>
#include <cmath>

#include "anim/iteration_walk.h"
#include "geometry/conic_chords.h"
#include "geometry/element_points.h"
#include "geometry/graph_sampling.h"
#include "geometry/grid_nodes.h"
#include "geometry/locus_sampling.h"
#include "geometry/position_on_element.h"
#include "geometry/tolerances.h"
#include "ui/detection.h"

namespace velt {
namespace {

// Distance from k to a straight element of the given type (line, ray, segment, vector) with
// defining points a and b; nothing when a and b coincide or the foot lies off the element.
// Segments and vectors reach 2 units beyond their ends.
std::optional<double> StraightDistance(int32_t type, Pt a, Pt b, Pt k) {
  const double len = Distance(a, b);
  if (len < kPointCoincidence) return std::nullopt;
  const double f = Dot(k - a, b - a) / (len * len);
  const Pt foot = a + (b - a) * f;
  if (type == kTypeRay && f < 0) return std::nullopt;
  if ((type == kTypeSegment || type == kTypeVector) &&
      (Distance(foot, a) > len + 2 || Distance(foot, b) > len + 2))
    return std::nullopt;
  return Distance(foot, k);
}

std::optional<TypeHit> Near(double d, const DetectionQuery& q, Element* enters, int side = -1) {
  if (!std::isfinite(d) || d * q.scale >= q.tolerance) return std::nullopt;
  return TypeHit{d, enters, side};
}

std::optional<TypeHit> BoxHit(Element& e, const DetectionQuery& q) {
  if (!q.boxOf) return std::nullopt;
  auto box = q.boxOf(e);
  if (!box || !box->Contains(q.pointer)) return std::nullopt;
  return TypeHit{0, &e, -1, true};
}

std::optional<TypeHit> TestPoint(Element& e, const DetectionQuery& q) {
  return Near(Distance(PointA(e), q.pointer), q, &e);
}

std::optional<TypeHit> TestStraight(Element& e, const DetectionQuery& q) {
  auto d = StraightDistance(e.type(), PointA(e), PointB(e), q.pointer);
  return d ? Near(*d, q, &e) : std::nullopt;
}

std::optional<TypeHit> TestPolygon(Element& e, const DetectionQuery& q) {
  auto* poly = e.as<PolygonExt>();
  if (!poly) return std::nullopt;
  std::optional<TypeHit> best;
  for (size_t i = 0; i < poly->sides.size(); ++i) {
    Element& s = *poly->sides[i];
    auto d = StraightDistance(kTypeSegment, PointA(s), PointB(s), q.pointer);
    if (d && (!best || *d < best->distance)) best = Near(*d, q, &e, static_cast<int>(i));
  }
  // Some tools take the side itself, as a segment.
  const int sidesFrom = RowOf(q.tool).sidesFromPick;
  if (best && sidesFrom >= 0 && q.pickCounter >= sidesFrom)
    best->enters = poly->sides[best->side].get();
  return best;
}

std::optional<TypeHit> TestCircle(Element& e, const DetectionQuery& q) {
  const double r = Distance(PointA(e), PointB(e));
  if (!(r <= 1e14)) return std::nullopt;
  const double d = std::abs(Distance(PointA(e), q.pointer) - r);
  if (r >= 4) return Near(d, q, &e);
  if (!(d * q.scale < q.tolerance + 1)) return std::nullopt;
  return TypeHit{d, &e};
}

std::optional<TypeHit> TestArc(Element& e, const DetectionQuery& q) {
  const auto hit = ParameterFromPosition(e, PositionProbe{q.pointer}, RuleContext{});
  return hit ? Near(hit->distance, q, &e) : std::nullopt;
}

std::optional<TypeHit> TestAngle(Element& e, const DetectionQuery& q) {
  // The small arc drawn at the vertex: radius value3, from the first arm counter-clockwise.
  const Element* p1 = e.parent[0];
  const Element* v = e.parent[1];
  if (!p1 || !v) return std::nullopt;
  const Pt c = PointA(*v);
  const double r = e.value[2];
  const double d = std::abs(Distance(c, q.pointer) - r);
  const double start = std::atan2(p1->y() - c.y, p1->x() - c.x);
  double a = std::atan2(q.pointer.y - c.y, q.pointer.x - c.x) - start;
  while (a < 0) a += 2 * M_PI;
  if (a > e.value[0] + 0.05) return std::nullopt;
  return Near(d, q, &e);
}

// A conic: distance to the pieces that drawing draws, or to its two full lines.
std::optional<TypeHit> TestConic(Element& e, const ConicData& k, const DetectionQuery& q) {
  std::optional<double> best;
  auto consider = [&](std::optional<double> d) {
    if (d && (!best || *d < *best)) best = d;
  };
  if (k.conicClass == kConicCrossingLines || k.conicClass == kConicParallelLines) {
    if (k.sx.size() < 4 || k.sy.size() < 4) return std::nullopt;
    for (size_t i : {0, 2})
      consider(
          StraightDistance(kTypeLine, {k.sx[i], k.sy[i]}, {k.sx[i + 1], k.sy[i + 1]}, q.pointer));
  } else {
    for (const ConicPiece& p : DrawnConicPieces(k))
      consider(StraightDistance(kTypeSegment, {k.sx[p.from], k.sy[p.from]},
                                {k.sx[p.to], k.sy[p.to]}, q.pointer));
  }
  return best ? Near(*best, q, &e) : std::nullopt;
}

std::optional<TypeHit> TestSamples(Element& e, const DetectionQuery& q) {
  if (const auto* c = e.as<ConicExt>()) return TestConic(e, c->data, q);
  // Loci: distance to the drawn polyline of their samples.
  const auto* s = e.as<SampleExt>();
  if (!s) return std::nullopt;
  const std::vector<double>*xs = &s->x1, *ys = &s->y1;
  const std::vector<int32_t>* gaps = &s->colours;
  const size_t n = std::min(xs->size(), ys->size());
  std::optional<double> best;
  for (size_t i = 0; i + 1 < n; ++i) {
    const size_t j = i + 1;
    if ((i < gaps->size() && (*gaps)[i] == -1111) || (j < gaps->size() && (*gaps)[j] == -1111))
      continue;
    // A graph is found where it is drawn: never along a jump.
    if (e.kind == kFunctionGraph && !GraphStepJoined(e, static_cast<int32_t>(i))) continue;
    auto d = StraightDistance(kTypeSegment, {(*xs)[i], (*ys)[i]}, {(*xs)[j], (*ys)[j]}, q.pointer);
    if (d && (!best || *d < *best)) best = d;
  }
  return best ? Near(*best, q, &e) : std::nullopt;
}

// A locus: its path with the jumps and the closing piece that drawing draws, the instances
// of a traced family, or the curves a swept locus draws.
std::optional<TypeHit> TestLocus(Element& e, const DetectionQuery& q) {
  if (e.kind != kLocus) return TestSamples(e, q);
  if (!e.parent[0]) return std::nullopt;
  std::optional<double> best;
  auto consider = [&](std::optional<double> d) {
    if (d && std::isfinite(*d) && (!best || *d < *best)) best = d;
  };
  auto instance = [&](const Element& t) {
    switch (t.type()) {
      case kTypeCircle: {
        const double r = Distance(PointA(t), PointB(t));
        consider(std::abs(Distance(PointA(t), q.pointer) - r));
        break;
      }
      case kTypeLine:
      case kTypeRay:
      case kTypeSegment:
      case kTypeVector:
        consider(StraightDistance(t.type(), PointA(t), PointB(t), q.pointer));
        break;
      default: {
        auto hit = HitByType(const_cast<Element&>(t), q);
        if (hit) consider(hit->distance);
      }
    }
  };
  if (IsSweptLocus(e)) {
    if (q.doc) SweepLocusInstances(*q.doc, e, instance);
    return best ? Near(*best, q, &e) : std::nullopt;
  }
  const auto* s = e.as<SampleExt>();
  if (!s) return std::nullopt;
  const size_t size =
      std::min({s->x1.size(), s->y1.size(), s->x2.size(), s->y2.size(), s->colours.size()});
  const int32_t m = std::min<int32_t>(s->recorded, static_cast<int32_t>(size));
  const Element& traced = *e.parent[0];
  if (traced.type() != kTypePoint) {
    Element t;
    t.kind = traced.kind;
    for (int32_t i = 0; i < m; ++i) {
      t.value = {s->x1[i], s->y1[i], s->x2[i], s->y2[i]};
      instance(t);
    }
    return best ? Near(*best, q, &e) : std::nullopt;
  }
  const bool grid = e.parent[1] && e.parent[1]->kind == kPointOnGrid;
  auto gap = [&](int32_t i) { return s->colours[i] == kLocusGap; };
  auto piece = [&](int32_t i, int32_t j) {
    if (gap(i) || gap(j)) return;
    const Pt a{s->x1[i], s->y1[i]}, b{s->x1[j], s->y1[j]};
    if (grid || !(Distance(a, b) < 200)) {
      consider(Distance(a, q.pointer));
      return;
    }
    consider(StraightDistance(kTypeSegment, a, b, q.pointer));
  };
  if (m == 1 && !gap(0)) consider(Distance(Pt{s->x1[0], s->y1[0]}, q.pointer));
  for (int32_t i = 0; i + 1 < m; ++i) piece(i, i + 1);
  if (m > 2 && e.attr1 == 1) piece(m - 1, 0);
  return best ? Near(*best, q, &e) : std::nullopt;
}

// Whether an axis line under the pointer stands for its axes. While axes are awaited the
// mask admits them but no line.
bool TakesWholeAxes(const DetectionQuery& q) {
  switch (RowOf(q.tool).wholeAxes) {
    case WholeAxes::Always: return true;
    case WholeAxes::WhenAwaited: return !q.mask[kTypeLine];
    case WholeAxes::Never: break;
  }
  return false;
}

std::optional<TypeHit> TestAxes(Element& e, const DetectionQuery& q) {
  auto* axes = e.as<AxesExt>();
  if (!axes || !axes->xAxis || !axes->yAxis) return std::nullopt;
  std::optional<TypeHit> best;
  int i = 0;
  for (Element* line : {axes->xAxis.get(), axes->yAxis.get()}) {
    auto d = StraightDistance(kTypeLine, PointA(*line), PointB(*line), q.pointer);
    if (d && (!best || *d < best->distance)) best = Near(*d, q, line, i);
    ++i;
  }
  if (best && TakesWholeAxes(q)) best->enters = &e;
  return best;
}

// A coordinates element: for the tools that take numbers, the number whose text is under the
// pointer (side 0 for x, 1 for y); for the others, its whole box.
std::optional<TypeHit> TestCoordinates(Element& e, const DetectionQuery& q) {
  const auto* c = e.as<CoordinatesExt>();
  if (!c || !RowOf(q.tool).coordinateNumbers) return BoxHit(e, q);
  int side = 0;
  for (Element* number : {c->x.get(), c->y.get()}) {
    if (number) {
      if (auto hit = BoxHit(*number, q)) {
        hit->side = side;
        return hit;
      }
    }
    ++side;
  }
  return std::nullopt;
}

std::optional<TypeHit> TestGrid(Element& e, const DetectionQuery& q) {
  auto node = NearestGridNode(e, q.pointer);
  return node ? Near(Distance(node->at, q.pointer), q, &e) : std::nullopt;
}

std::optional<TypeHit> TestName(Element& e, const DetectionQuery& q) {
  // Only a displayed name label is detected.
  if (e.parent[0] && e.parent[0]->nameElement != &e) return std::nullopt;
  return BoxHit(e, q);
}

// An iteration is under the pointer when one of the copies it draws is; the copies are
// tested in the working copy, where a swept locus finds its own chain.
std::optional<TypeHit> TestIteration(Element& e, const DetectionQuery& q) {
  if (!q.doc) return std::nullopt;
  std::optional<TypeHit> found;
  ForEachDrawnCopy(*q.doc, e, [&](Element& copy, const Document& work, int32_t) {
    DetectionQuery cq = q;
    cq.doc = &work;
    cq.boxOf = nullptr;
    if (auto hit = HitByType(copy, cq)) found = TypeHit{hit->distance, &e};
    return !found;
  });
  return found;
}

}  // namespace

std::optional<TypeHit> HitByType(Element& e, const DetectionQuery& q) {
  switch (e.type()) {
    case kTypePoint: return TestPoint(e, q);
    case kTypeLine:
    case kTypeRay:
    case kTypeSegment:
    case kTypeVector: return TestStraight(e, q);
    case kTypePolygon: return TestPolygon(e, q);
    case kTypeCircle: return TestCircle(e, q);
    case kTypeArc: return TestArc(e, q);
    case kTypeAngle: return TestAngle(e, q);
    case kTypeLocus: return TestLocus(e, q);
    case kTypeConic: return TestSamples(e, q);
    case kTypeIteration: return TestIteration(e, q);
    case kTypeAxes: return TestAxes(e, q);
    case kTypeName: return TestName(e, q);
    case kTypeGrid: return TestGrid(e, q);
    case kTypeNumber:
    case kTypeFunction:
    case kTypeEquation:
    case kTypeProperty:
    case kTypeButton: return BoxHit(e, q);
    case kTypeCoordinates: return TestCoordinates(e, q);
    default: return std::nullopt;  // tables, texts and bitmaps come in the background pass
  }
}

bool IsLabelLikeType(int32_t type) {
  return type == kTypeName || type == kTypeNumber || type == kTypeFunction ||
         type == kTypeCoordinates || type == kTypeProperty || type == kTypeButton;
}

}  // namespace velt
