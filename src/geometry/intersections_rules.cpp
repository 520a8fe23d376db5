// The rule of kind 2: one chosen common point of two elements, which keeps its identity while
// the figure moves.
#include <array>
#include <cmath>
#include <optional>

#include "geometry/common_points.h"
#include "geometry/conic.h"
#include "geometry/intersect_circle.h"
#include "geometry/intersect_conic.h"
#include "geometry/intersect_straight.h"
#include "geometry/intersection_codes.h"
#include "geometry/locus_intersections.h"
#include "geometry/rules.h"

namespace velt {
namespace {

// attr2 of a point that is only a detection candidate: it never falls back to the other
// solution.
constexpr int32_t kCandidate = 111;
Pt First(const Element& e) { return {e.value[0], e.value[1]}; }
Pt Second(const Element& e) { return {e.value[2], e.value[3]}; }
double Radius(const Element& e) { return Distance(First(e), Second(e)); }

bool Finite(const Element& e) {
  for (double v : e.value)
    if (!std::isfinite(v)) return false;
  return true;
}

// The one common point of x and y known from the construction, if exactly one is known.
std::optional<Pt> KnownCommonPoint(const Element& x, const Element& y) {
  const auto known = KnownCommonPoints(x, y);
  if (known.size() != 1) return std::nullopt;
  return First(*known[0]);
}

// Of two solutions, the one that is not the known common point, if there is one.
Pt AvoidKnownPoint(const Element& e, const CurveHits& h, Pt chosen) {
  if (h.count != 2) return chosen;
  const auto k = KnownCommonPoint(*e.parent[0], *e.parent[1]);
  if (!k) return chosen;
  return Distance(h.point[0], *k) >= kPointCoincidence ? h.point[0] : h.point[1];
}

// ---- the curves a code works on -------------------------------------------

// An arc's full circle and its end points.
struct ArcShape {
  Pt centre, p1, p2, p3;
  double r = 0;
};

std::optional<ArcShape> ArcOf(const Element& arc) {
  const Element *a = arc.parent[0], *c = arc.parent[2];
  if (!a || !c || !Finite(*a) || !Finite(*c)) return std::nullopt;
  return ArcShape{First(arc), First(*a), Second(arc), First(*c), Radius(arc)};
}

bool OnArcShape(const ArcShape& s, Pt x, double viewScale) {
  return OnArc(x, s.p1, s.p2, s.p3, viewScale);
}

// A conic as the rules intersect it: its equation, or its two lines when it is a line pair.
struct ConicShape {
  SixCoefficients k{};
  bool isLinePair = false;
  std::array<Line2, 2> lines{};
};

std::optional<ConicShape> ConicOf(const Element& e) {
  ConicShape s;
  if (const auto* c = e.as<ConicExt>()) {
    const ConicData& d = c->data;
    s.k = AsCoefficients(d.Equation());
    if (d.conicClass == kConicCrossingLines || d.conicClass == kConicParallelLines) {
      if (d.sx.size() < 4 || d.sy.size() < 4) return std::nullopt;
      s.isLinePair = true;
      for (int i = 0; i < 2; ++i)
        s.lines[i] = {{d.sx[2 * i], d.sy[2 * i]}, {d.sx[2 * i + 1], d.sy[2 * i + 1]}};
    }
  } else if (e.type() == kTypeCircle || e.type() == kTypeArc) {
    const auto eq = CircleAsConic(First(e), Radius(e));
    if (!eq) return std::nullopt;
    s.k = AsCoefficients(*eq);
  } else {
    return std::nullopt;
  }
  for (double v : s.k)
    if (!std::isfinite(v)) return std::nullopt;
  for (const Line2& l : s.lines)
    for (double v : {l.a.x, l.a.y, l.b.x, l.b.y})
      if (!std::isfinite(v)) return std::nullopt;
  return s;
}

// Adds p unless it is already listed.
void AddDistinct(ConicHits& h, Pt p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y) || h.count == 4) return;
  for (int i = 0; i < h.count; ++i)
    if (Distance(h.point[i], p) < kPointCoincidence) return;
  h.point[h.count++] = p;
}

// A line pair cut with a line through a and b: up to two solutions ordered along a -> b.
CurveHits LinePairLine(const ConicShape& s, Pt a, Pt b) {
  CurveHits h;
  for (const Line2& l : s.lines) {
    const auto x = IntersectLines(l.a, l.b, a, b);
    if (!x || (h.count == 1 && Distance(h.point[0], *x) < kPointCoincidence)) continue;
    h.point[h.count++] = *x;
  }
  OrderAlong(h, a, b);
  return h;
}

ConicHits ConicShapes(const ConicShape& s1, const ConicShape& s2) {
  if (!s1.isLinePair && !s2.isLinePair) return ConicConic(s1.k, s2.k);
  ConicHits out;
  if (s1.isLinePair && s2.isLinePair) {
    for (const Line2& l1 : s1.lines)
      for (const Line2& l2 : s2.lines)
        if (const auto x = IntersectLines(l1.a, l1.b, l2.a, l2.b)) AddDistinct(out, *x);
    return out;
  }
  const ConicShape& pair = s1.isLinePair ? s1 : s2;
  const ConicShape& curve = s1.isLinePair ? s2 : s1;
  for (const Line2& l : pair.lines) {
    const CurveHits h = LineConic(l.a, l.b, curve.k);
    for (int i = 0; i < h.count; ++i) AddDistinct(out, h.point[i]);
  }
  return out;
}

// ---- the handlers, one per family of codes --------------------------------

using Handler = std::optional<Pt> (*)(const Element& e, int32_t code, double viewScale);

std::optional<Pt> StraightStraight(const Element& e, int32_t code, double viewScale) {
  using Cut = std::optional<Pt> (*)(Pt, Pt, Pt, Pt, double);
  static const std::array<Cut, 6> kCuts = {
      [](Pt a, Pt b, Pt c, Pt d, double) { return LineLine(a, b, c, d); },
      LineSegment,
      LineRay,
      SegmentSegment,
      SegmentRay,
      RayRay};
  const Element &p = *e.parent[0], &q = *e.parent[1];
  return kCuts[code](First(p), Second(p), First(q), Second(q), viewScale);
}

// The straight element (parent2) cut with a curve through the given carrier-line routine.
template <class LineCut>
CurveHits CutStraight(const Element& straight, double viewScale, LineCut lineCut) {
  const Pt a = First(straight), b = Second(straight);
  const CurveHits line = lineCut(a, b);
  switch (straight.type()) {
    case kTypeSegment:
    case kTypeVector: return KeepOnSegment(line, a, b, viewScale);
    case kTypeRay: return KeepOnRay(line, a, b, viewScale);
    default: return line;
  }
}

// The choice among the solutions of a curve and a straight element (codes 6..11, 24..29).
std::optional<Pt> ChooseOfTwo(const Element& e, const CurveHits& h, bool even) {
  if (h.count == 0) return std::nullopt;
  if (h.count == 2) return AvoidKnownPoint(e, h, even ? h.point[0] : h.point[1]);
  const bool own = even ? !h.secondValid : h.secondValid;
  if (!own && e.attr2 == kCandidate) return std::nullopt;
  return h.Valid();
}

std::optional<Pt> CircleStraight(const Element& e, int32_t code, double viewScale) {
  const Element& circle = *e.parent[0];
  const Pt c = First(circle);
  const double r = Radius(circle);
  const CurveHits h =
      CutStraight(*e.parent[1], viewScale, [&](Pt a, Pt b) { return LineCircle(a, b, c, r); });
  return ChooseOfTwo(e, h, code % 2 == 0);
}

std::optional<Pt> ConicStraight(const Element& e, int32_t code, double viewScale) {
  const auto conic = ConicOf(*e.parent[0]);
  if (!conic) return std::nullopt;
  const CurveHits h = CutStraight(*e.parent[1], viewScale, [&](Pt a, Pt b) {
    return conic->isLinePair ? LinePairLine(*conic, a, b) : LineConic(a, b, conic->k);
  });
  return ChooseOfTwo(e, h, code % 2 == 0);
}

std::optional<Pt> CircleCircle(const Element& e, int32_t code, double) {
  const Element &k1 = *e.parent[0], &k2 = *e.parent[1];
  const CurveHits h = CircleCircle(First(k1), Radius(k1), First(k2), Radius(k2));
  if (h.count == 0 || (code == 13 && h.count < 2)) return std::nullopt;
  return AvoidKnownPoint(e, h, code == 12 ? h.point[0] : h.point[1]);
}

std::optional<Pt> ArcStraight(const Element& e, int32_t code, double viewScale) {
  const auto arc = ArcOf(*e.parent[0]);
  if (!arc) return std::nullopt;
  const CurveHits h = CutStraight(
      *e.parent[1], viewScale, [&](Pt a, Pt b) { return LineCircle(a, b, arc->centre, arc->r); });
  const bool even = code % 2 == 0;
  if (h.count == 2) {
    const Pt own = even ? h.point[0] : h.point[1], other = even ? h.point[1] : h.point[0];
    const Pt chosen = OnArcShape(*arc, own, viewScale) ? own : other;
    if (!OnArcShape(*arc, chosen, viewScale)) return std::nullopt;
    const Pt free = AvoidKnownPoint(e, h, chosen);
    return OnArcShape(*arc, free, viewScale) ? free : chosen;
  }
  const auto p = ChooseOfTwo(e, h, even);
  if (p && !OnArcShape(*arc, *p, viewScale)) return std::nullopt;
  return p;
}

// Codes 20..23: two arcs, or a circle (parent1) with an arc.
std::optional<Pt> CircleArc(const Element& e, int32_t code, double viewScale) {
  std::array<std::optional<ArcShape>, 2> arcs{};
  for (int i = 0; i < 2; ++i) {
    if (e.parent[i]->type() != kTypeArc) continue;
    arcs[i] = ArcOf(*e.parent[i]);
    if (!arcs[i]) return std::nullopt;
  }
  auto onArcs = [&](Pt x) {
    for (const auto& a : arcs)
      if (a && !OnArcShape(*a, x, viewScale)) return false;
    return true;
  };
  const Element &k1 = *e.parent[0], &k2 = *e.parent[1];
  const CurveHits h = CircleCircle(First(k1), Radius(k1), First(k2), Radius(k2));
  const int own = code % 2;
  std::optional<Pt> chosen;
  if (own < h.count && onArcs(h.point[own])) {
    chosen = h.point[own];
  } else if (h.count == 2 && e.attr2 != kCandidate && onArcs(h.point[1 - own])) {
    chosen = h.point[1 - own];
  }
  if (!chosen) return std::nullopt;
  const Pt free = AvoidKnownPoint(e, h, *chosen);
  return onArcs(free) ? free : *chosen;
}

// Codes 30..41: a conic with a conic, a circle or an arc.
std::optional<Pt> ConicCurve(const Element& e, int32_t code, double viewScale) {
  const auto s1 = ConicOf(*e.parent[0]), s2 = ConicOf(*e.parent[1]);
  if (!s1 || !s2) return std::nullopt;
  const ConicHits h = ConicShapes(*s1, *s2);
  const int index = SolutionIndexOfCode(code);
  if (index < 0 || index >= h.count) return std::nullopt;
  const Pt p = h.point[index];
  if (e.parent[1]->type() == kTypeArc) {
    const auto arc = ArcOf(*e.parent[1]);
    if (!arc || !OnArcShape(*arc, p, viewScale)) return std::nullopt;
  }
  return p;
}

Handler HandlerOfCode(int32_t code) {
  static const std::array<Handler, kLocusIntersectionCode> kHandlers = [] {
    std::array<Handler, kLocusIntersectionCode> t{};
    for (int c = 0; c <= 5; ++c) t[c] = StraightStraight;
    for (int c = 6; c <= 11; ++c) t[c] = CircleStraight;
    t[12] = t[13] = CircleCircle;
    for (int c = 14; c <= 19; ++c) t[c] = ArcStraight;
    for (int c = 20; c <= 23; ++c) t[c] = CircleArc;
    for (int c = 24; c <= 29; ++c) t[c] = ConicStraight;
    for (int c = 30; c <= 41; ++c) t[c] = ConicCurve;
    return t;
  }();
  // Code 42 (a locus or a function graph) is cut by the rule with the document.
  return code >= 0 && code < kLocusIntersectionCode ? kHandlers[code] : nullptr;
}

void IntersectionRule(Element& e, const RuleContext& ctx) {
  const Handler handler = HandlerOfCode(e.attr1);
  const bool onLocus = e.attr1 == kLocusIntersectionCode;
  const Element *p1 = e.parent[0], *p2 = e.parent[1];
  if ((!handler && !onLocus) || !p1 || !p2 || !p1->exists || !p2->exists || !Finite(*p1) ||
      !Finite(*p2)) {
    e.exists = 0;
    return;
  }
  // A locus (code 42) is cut numerically, with the document it is sampled in.
  const auto p = onLocus ? LocusIntersectionPoint(e, ctx) : handler(e, e.attr1, ctx.viewScale);
  if (!p || !std::isfinite(p->x) || !std::isfinite(p->y)) {
    e.exists = 0;
    return;
  }
  e.value[0] = p->x;
  e.value[1] = p->y;
  e.exists = 1;
}

}  // namespace

void AddIntersectionRules(RuleTable& t) { t[kIntersection] = {IntersectionRule, 2, false}; }

}  // namespace velt
