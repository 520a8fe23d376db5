#include "geometry/position_on_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/conic.h"
#include "geometry/conic_chords.h"
#include "geometry/element_points.h"
#include "geometry/tolerances.h"

namespace velt {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Polygon: the best distance a side or vertex has to beat at first.
constexpr double kPolygonSearchStart = 100000;
// Conic: the nearest-sample search starts from this distance.
constexpr double kSampleSearchStart = 999999;
// A pair of lines keeps its points on S0S1 and S2S3.
constexpr double kLinePairLastParameter = 3;
constexpr double kLinePairFallback = 2.5;

// The polar angle of p about c in [0, 2pi); 0 when p is c.
double PolarAngle(Pt c, Pt p) { return OrientedAngle(c + Pt{1, 0}, c, p).value_or(0); }

// The fraction along a -> b of the foot of the perpendicular from k, kept within 0..1.
double FootFraction(Pt k, Pt a, Pt b) {
  const Pt d = b - a;
  const double len2 = Dot(d, d);
  if (!(len2 > 0)) return 0;
  return std::clamp(Dot(k - a, d) / len2, 0.0, 1.0);
}

// The distance from k to the segment ab.
double SegmentDistance(Pt k, Pt a, Pt b) {
  return Distance(k, a + (b - a) * FootFraction(k, a, b));
}

// The distance from k to the whole line ab (P11); to a when ab has no direction.
double LineDistance(Pt k, Pt a, Pt b) {
  const auto foot = FootOnLine(k, a, b);
  return foot ? foot->distance : Distance(k, a);
}

// ---- conics -------------------------------------------------------------------

bool IsLinePair(int32_t conicClass) {
  return conicClass == kConicCrossingLines || conicClass == kConicParallelLines;
}

// The conic's own point across the chord from sample k at fraction f.
Pt PointAcrossChord(const ConicData& data, int k, double f) {
  const Pt a = ConicSample(data, k), b = ConicSample(data, k + 1);
  const Pt m = PointTowards(a, b, f * Distance(a, b));
  const auto across = PerpendicularThrough(m, a, b);
  if (!across) return m;
  const CurveHits hits = LineConic(across->a, across->b, AsCoefficients(data.Equation()));
  if (hits.count == 0) return m;  // the chord's own point stands in for the curve
  if (hits.count == 1) return hits.point[0];
  return Distance(m, hits.point[0]) <= Distance(m, hits.point[1]) ? hits.point[0] : hits.point[1];
}

// The chord (by its first sample) under the cursor, or -1.
int ChordUnderCursor(const ConicData& data, Pt k, double tolerance) {
  if (IsLinePair(data.conicClass)) {
    for (int i : {0, 2})
      if (SegmentDistance(k, ConicSample(data, i), ConicSample(data, i + 1)) < tolerance) return i;
    return -1;
  }
  // S0S1 .. S118S119, then the closing chord S119S0.
  for (int i = 0; i < kConicSamples; ++i) {
    if (!IsDrawnConicChord(data, i)) continue;
    const Pt a = ConicSample(data, i), b = ConicSample(data, i + 1);
    if (SegmentDistance(k, a, b) < tolerance || Distance(k, a) < tolerance) return i;
  }
  return -1;
}

// The chord nearest to the cursor when none is under it.
int NearestChord(const ConicData& data, Pt k) {
  if (IsLinePair(data.conicClass)) {
    const double d0 = LineDistance(k, ConicSample(data, 0), ConicSample(data, 1));
    const double d2 = LineDistance(k, ConicSample(data, 2), ConicSample(data, 3));
    return d2 < d0 ? 2 : 0;
  }
  int nearest = 0;
  double best = kSampleSearchStart;
  for (int i = 0; i < kConicSamples; ++i) {
    const double d = Distance(k, ConicSample(data, i));
    if (d < best) {
      best = d;
      nearest = i;
    }
  }
  // Of the chords ending and starting at the nearest sample, the one whose perpendicular
  // foot is nearer; a foot beyond the end of its chord counts from that end, so that a
  // cursor just past a sample picks the chord it is over. A chord that is not drawn is
  // never chosen over one that is.
  const int before = (nearest + kConicSamples - 1) % kConicSamples;
  const bool drawnBefore = IsDrawnConicChord(data, before);
  if (drawnBefore != IsDrawnConicChord(data, nearest)) return drawnBefore ? before : nearest;
  const double dBefore = SegmentDistance(k, ConicSample(data, before), ConicSample(data, nearest));
  const double dAfter =
      SegmentDistance(k, ConicSample(data, nearest), ConicSample(data, nearest + 1));
  return dAfter < dBefore ? nearest : before;
}

}  // namespace

// ---- arcs ---------------------------------------------------------------------

std::optional<ArcFrame> FrameOfArc(const Element& arc) {
  if (!arc.parent[0] || !arc.parent[2]) return std::nullopt;
  ArcFrame f;
  f.centre = PointA(arc);
  f.p1 = PointA(*arc.parent[0]);
  f.p3 = PointA(*arc.parent[2]);
  f.radius = Distance(f.centre, f.p1);
  // g: counter-clockwise from P3 to P1, that is clockwise from P1 to P3.
  const auto g = OrientedAngle(f.p3, f.centre, f.p1);
  if (!g) return std::nullopt;
  f.start = PolarAngle(f.centre, f.p1);
  f.ccw = arc.attr1 == 1;
  f.sweep = f.ccw ? kTwoPi - *g : *g;
  return f;
}

Pt ArcFrame::At(double fraction) const {
  const double angle = ccw ? start + sweep * fraction : start - sweep * fraction;
  return Pt{centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

// ---- circle -------------------------------------------------------------------

std::optional<Pt> PositionOnCircle(const Element& carrier, double& t, const RuleContext&) {
  if (!std::isfinite(t)) return std::nullopt;
  const Pt c = PointA(carrier);
  const double r = Distance(c, PointB(carrier));
  return Pt{c.x + r * std::cos(t), c.y + r * std::sin(t)};
}

std::optional<CarrierHit> ParameterOnCircle(const Element& carrier, const PositionProbe& probe,
                                            const RuleContext&) {
  const Pt c = PointA(carrier);
  const double r = Distance(c, PointB(carrier));
  return CarrierHit{PolarAngle(c, probe.cursor), std::abs(Distance(c, probe.cursor) - r)};
}

// ---- arc ------------------------------------------------------------------------

std::optional<Pt> PositionOnArc(const Element& carrier, double& t, const RuleContext&) {
  if (!std::isfinite(t)) return std::nullopt;
  const auto f = FrameOfArc(carrier);
  if (!f) return std::nullopt;
  // t = 0 and t = 1 are the end points themselves.
  if (t == 0) return f->p1;
  if (t == 1) return f->p3;
  return f->At(t);
}

std::optional<CarrierHit> ParameterOnArc(const Element& carrier, const PositionProbe& probe,
                                         const RuleContext&) {
  const auto f = FrameOfArc(carrier);
  if (!f) return std::nullopt;
  const Pt k = probe.cursor;
  const double toCursor = Distance(f->centre, k);
  if (toCursor > 0 && f->sweep > 0) {
    // Where the ray from the centre through the cursor cuts the arc's circle.
    const Pt x = PointTowards(f->centre, k, f->radius);
    // h: clockwise from P1 to X; the arc's own sweep from P1 to X.
    const double h = OrientedAngle(x, f->centre, f->p1).value_or(0);
    const double along = f->ccw ? (h == 0 ? 0 : kTwoPi - h) : h;
    if (along <= f->sweep) return CarrierHit{along / f->sweep, Distance(k, x)};
  }
  // Off the arc: the nearer end point.
  if (Distance(k, f->p1) <= Distance(k, f->p3)) return CarrierHit{0, Distance(k, f->p1)};
  return CarrierHit{1, Distance(k, f->p3)};
}

// ---- polygon --------------------------------------------------------------------

std::optional<Pt> PositionOnPolygon(const Element& carrier, double& t, const RuleContext&) {
  const auto* ext = carrier.as<PolygonExt>();
  if (!ext || ext->sides.empty() || !std::isfinite(t)) return std::nullopt;
  const int n = static_cast<int>(ext->sides.size());
  const double whole = std::trunc(t);
  const int i = static_cast<int>(std::clamp(whole, 0.0, double(n - 1)));
  const double f = t - whole;
  const Element& side = *ext->sides[i];
  const Pt a = PointA(side), b = PointB(side);
  if (!side.exists || f == 0) return a;
  return a + (b - a) * f;
}

std::optional<CarrierHit> ParameterOnPolygon(const Element& carrier, const PositionProbe& probe,
                                             const RuleContext&) {
  const auto* ext = carrier.as<PolygonExt>();
  if (!ext || ext->sides.empty()) return std::nullopt;
  const Pt k = probe.cursor;
  const double slack = kPointCoincidence * probe.viewScale;
  CarrierHit best{0, kPolygonSearchStart};
  const int n = static_cast<int>(ext->sides.size());
  // The nearest foot of a perpendicular that lands on its side.
  for (int i = 0; i < n; ++i) {
    const Element& side = *ext->sides[i];
    if (!side.exists) continue;
    const Pt a = PointA(side), b = PointB(side);
    const auto foot = FootOnLine(k, a, b);
    if (!foot) continue;
    const double len = Distance(a, b);
    if (Distance(foot->foot, a) > len + slack || Distance(foot->foot, b) > len + slack) continue;
    if (foot->distance < best.distance)
      best = {i + std::min(1.0, Distance(a, foot->foot) / len), foot->distance};
  }
  // A vertex at least as near wins.
  for (int j = 0; j < n; ++j) {
    const double d = Distance(k, PointA(*ext->sides[j]));
    if (d <= best.distance) best = {double(j), d};
  }
  return best;
}

// ---- conic ----------------------------------------------------------------------

std::optional<Pt> PositionOnConic(const Element& carrier, double& t, const RuleContext&) {
  const auto* ext = carrier.as<ConicExt>();
  if (!ext || ext->data.sx.size() != static_cast<size_t>(kConicSamples) || !std::isfinite(t))
    return std::nullopt;
  const ConicData& data = ext->data;
  if (t < 0 || t >= kConicSamples) {
    t = std::fmod(t, double(kConicSamples));
    if (t < 0) t += kConicSamples;
    if (t >= kConicSamples) t = 0;
  }
  if (IsLinePair(data.conicClass) && t > kLinePairLastParameter) t = kLinePairFallback;
  const double whole = std::trunc(t);
  const int k = static_cast<int>(whole);
  if (t == whole) return ConicSample(data, k);
  return PointAcrossChord(data, k, t - whole);
}

std::optional<CarrierHit> ParameterOnConic(const Element& carrier, const PositionProbe& probe,
                                           const RuleContext& ctx) {
  const auto* ext = carrier.as<ConicExt>();
  if (!ext || ext->data.sx.size() != static_cast<size_t>(kConicSamples)) return std::nullopt;
  const ConicData& data = ext->data;
  const Pt k = probe.cursor;
  int chord = ChordUnderCursor(data, k, probe.tolerance);
  if (chord < 0) chord = NearestChord(data, k);
  // The foot on the chord gives the fraction (on the closing chord measured from S119),
  // also on chords too short to matter.
  double t = chord + FootFraction(k, ConicSample(data, chord), ConicSample(data, chord + 1));
  if (t >= kConicSamples) t = 0;  // the far end of the closing chord is S0
  double shown = t;
  const auto p = PositionOnConic(carrier, shown, ctx);
  return CarrierHit{t, p ? Distance(k, *p) : Distance(k, ConicSample(data, chord))};
}

}  // namespace velt
