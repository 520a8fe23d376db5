// One step of an animated element, by its kind and, for a point on an element, by the
// type of its carrier.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

#include "anim/animation.h"
#include "geometry/element_points.h"
#include "geometry/locus_sampling.h"
#include "geometry/position_on_curves.h"
#include "geometry/position_on_element.h"
#include "geometry/tolerances.h"

namespace velt {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// How far lines, rays and radii run before they turn back, in plane units.
constexpr double kReach = 999;
// Where a point bounces just inside the ends of a segment, an arc or a slider.
constexpr double kNearOne = 0.9999, kNearZero = 0.0001;
// A line or ray through a point turns by step * kTurnPerStep radians about a point placed
// kDirectionLength units along it.
constexpr double kTurnPerStep = 0.01;
constexpr double kDirectionLength = 100;
// A point on a conic moves step * kConicPerStep samples; the conic has samples 0..119.
constexpr double kConicPerStep = 0.1;
constexpr double kConicLast = 119;

// A value that runs between two bounds and turns back at them.
struct Bounce {
  double low, high;      // where it turns
  double lowAt, highAt;  // where it is put when it crossed them
};

// Adds delta to v; past a bound v is put at its turning place and the direction flips.
void Run(double& v, double delta, const Bounce& b, Animation& a) {
  const double next = v + delta;
  if (!std::isfinite(next)) return;
  if (next > b.high) {
    v = b.highAt;
    a.reversed = !a.reversed;
  } else if (next < b.low) {
    v = b.lowAt;
    a.reversed = !a.reversed;
  } else {
    v = next;
  }
}

// The length the step is divided by; false when there is none to move along.
bool Usable(double length) { return std::isfinite(length) && length > kDivisionGuard; }

// Length of an arc: its radius times the angle it sweeps from its first to its third point.
double ArcLength(const Element& arc) {
  const auto f = FrameOfArc(arc);
  return f ? f->radius * f->sweep : 0;
}

// Length of the path a locus draws: its joined pieces (gaps are not crossed).
double LocusLength(const Element& locus) {
  const auto* s = locus.as<SampleExt>();
  if (!s) return 0;
  const int32_t m =
      std::min<int32_t>({s->recorded, static_cast<int32_t>(s->colours.size()),
                         static_cast<int32_t>(s->x1.size()), static_cast<int32_t>(s->y1.size())});
  if (m < 2) return 0;
  const bool closed = locus.kind == kLocus && locus.attr1 == 1;
  const int32_t pieces = closed ? m : m - 1;
  double total = 0;
  for (int32_t i = 0; i < pieces; ++i) {
    const int32_t j = (i + 1) % m;
    if (s->colours[i] == kLocusGap || s->colours[j] == kLocusGap) continue;
    total += Distance({s->x1[i], s->y1[i]}, {s->x1[j], s->y1[j]});
  }
  return total;
}

// A point on an element: its parameter t (value4) moves along the carrier.
void StepPointOnElement(Element& point, double step, Animation& a) {
  const Element* carrier = point.parent[0];
  if (!carrier) return;
  double& t = point.value[3];
  if (!std::isfinite(t)) return;
  switch (carrier->type()) {
    case kTypeLine:
    case kTypeRay: {
      const double low = carrier->type() == kTypeRay ? 0 : -kReach;
      if (ParameterIsFraction(carrier->kind)) {
        // t is a fraction of the two defining points' distance.
        const double len = Distance(PointA(*carrier), PointB(*carrier));
        if (!Usable(len)) return;
        const double l = low / len, h = kReach / len;
        Run(t, step / len, {l, h, l, h}, a);
      } else {
        Run(t, step, {low, kReach, low, kReach}, a);  // t is a distance from the point
      }
      return;
    }
    case kTypeSegment:
    case kTypeVector: {
      const double len = Distance(PointA(*carrier), PointB(*carrier));
      if (!Usable(len)) return;
      Run(t, step / len, {0, 1, kNearZero, kNearOne}, a);
      return;
    }
    case kTypePolygon: {
      const auto* ext = carrier->as<PolygonExt>();
      if (!ext || ext->sides.empty()) return;
      const int n = static_cast<int>(ext->sides.size());
      const int i = static_cast<int>(std::clamp(std::trunc(t), 0.0, double(n - 1)));
      const Element& side = *ext->sides[i];
      const double len = Distance(PointA(side), PointB(side));
      if (!Usable(len)) return;
      // The point circulates: past the last side it starts again at the first.
      t += step / len;
      if (t > n) {
        t = kNearZero;
      } else if (t < 0) {
        t = n - kNearZero;
      }
      return;
    }
    case kTypeCircle: {
      const double r = Distance(PointA(*carrier), PointB(*carrier));
      if (!Usable(r)) return;
      t += step / r;
      if (std::abs(t) > kTwoPi) t = kNearZero;
      return;
    }
    case kTypeArc: {
      const double len = ArcLength(*carrier);
      if (!Usable(len)) return;
      Run(t, step / len, {0, 1, kNearZero, kNearOne}, a);
      return;
    }
    case kTypeLocus: {
      const double len = LocusLength(*carrier);
      if (!Usable(len)) return;
      Run(t, step / len, {0, 1, 0, 1}, a);
      return;
    }
    case kTypeNumber:
      // A point on a parameter's slider.
      Run(t, step / kReach, {0, 1, kNearZero, kNearOne}, a);
      return;
    case kTypeConic:
      t += step * kConicPerStep;
      if (t > kConicLast) {
        t = 0;
      } else if (t < 0) {
        t = kConicLast;
      }
      return;
    default: return;
  }
}

// A line or ray through a point: its direction turns about the point.
void StepDirection(Element& e, double step) {
  const Pt a = PointA(e), b = PointB(e);
  const double len = Distance(a, b);
  if (!Usable(len)) return;
  const Pt along = a + (b - a) * (kDirectionLength / len);
  const Pt turned = RotateAbout(along, a, step * kTurnPerStep);
  if (!std::isfinite(turned.x) || !std::isfinite(turned.y)) return;
  SetPoints(e, a, turned);
}

// A circle given by its centre: the radius grows and shrinks between 0 and 999.
void StepRadius(Element& e, double step, Animation& a) {
  const Pt c = PointA(e), q = PointB(e);
  double r = Distance(c, q);
  const Pt dir = r > 0 ? (q - c) * (1 / r) : Pt{0, 1};
  Run(r, step, {0, kReach, 0, kReach}, a);
  SetPoints(e, c, c + dir * r);
}

// A parameter sweeps from its minimum to its maximum and back.
void StepParameter(Element& e, double step, Animation& a) {
  const auto* p = e.as<ParameterExt>();
  if (!p || !std::isfinite(p->minimum) || !std::isfinite(p->maximum)) return;
  const double low = std::min(p->minimum, p->maximum), high = std::max(p->minimum, p->maximum);
  if (!std::isfinite(e.value[0])) return;
  Run(e.value[0], step * (high - low) / kReach, {low, high, low, high}, a);
}

// How each animation rule moves its element, in the rule's order.
using StepRule = void (*)(Element&, double, Animation&);
constexpr StepRule kStepOf[] = {
    [](Element&, double, Animation&) {},  // AnimationRule::None
    StepPointOnElement,
    [](Element& e, double step, Animation&) { StepDirection(e, step); },
    StepRadius,
    StepParameter,
};
static_assert(std::size(kStepOf) == static_cast<size_t>(AnimationRule::Sweep) + 1);

}  // namespace

bool IsAnimatable(const Element& e) { return AnimationRuleOf(e.kind) != AnimationRule::None; }

double AnimationStep(const Animation& a) {
  const double s = std::clamp(a.speed, 0, 100) * 0.1 * (a.reversed ? -1 : 1);
  return std::abs(s) * s;
}

void AdvanceEntry(Animation& a) {
  Element* e = a.element;
  if (!e || !e->exists) return;
  kStepOf[static_cast<size_t>(AnimationRuleOf(e->kind))](*e, AnimationStep(a), a);
}

}  // namespace velt
