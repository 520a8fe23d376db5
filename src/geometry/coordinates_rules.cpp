// The rules of the numbers read against a pair of axes: the coordinates of a point and the
// equations of lines, circles and conics, all in axis units.
#include <cmath>
#include <string>

#include "geometry/conic.h"
#include "geometry/element_points.h"
#include "geometry/measure_units.h"
#include "geometry/measures_family.h"
#include "view/equation_text.h"

namespace velt {
namespace {

// attr1 of a coordinates element: the form it is always shown in; other values follow the
// document's coordinate system.
constexpr int32_t kForcePolar = -100;
constexpr int32_t kForceRectangular = 100;
// attr1 of a line equation: y = m x + b, or x = c.
constexpr int32_t kSlopeForm = 1;
constexpr int32_t kVerticalForm = 0;

// A pair of axes: the origin and the length of one unit along each axis, in world units.
struct AxesFrame {
  Pt origin;
  double unitX = 0, unitY = 0;

  // A plane point in axis coordinates.
  Pt ToAxes(Pt p) const { return {(p.x - origin.x) / unitX, (p.y - origin.y) / unitY}; }
};

std::optional<AxesFrame> FrameOf(const Element* axes) {
  if (!axes || !axes->exists || !axes->parent[0]) return std::nullopt;
  const AxesExt* ext = axes->as<AxesExt>();
  if (!ext || !(ext->xUnit != 0) || !(ext->yUnit != 0)) return std::nullopt;
  return AxesFrame{PointA(*axes->parent[0]), ext->xUnit, ext->yUnit};
}

bool Finite(Pt p) { return std::isfinite(p.x) && std::isfinite(p.y); }

EquationExt* EquationOf(Element& e) { return e.as<EquationExt>(); }

// 42: the coordinates of a point in an axes' frame, rectangular (x, y) or polar (r, theta),
// written into the two coordinate numbers, which exist with their owner.
void CoordinatesRule(Element& e, const RuleContext& ctx) {
  CoordinatesExt* ext = e.as<CoordinatesExt>();
  auto setExists = [&](int32_t exists) {
    e.exists = exists;
    if (!ext) return;
    for (Element* s : {ext->x.get(), ext->y.get()})
      if (s) s->exists = exists;
  };
  const Element* point = e.parent[0];
  const auto frame = FrameOf(e.parent[1]);
  if (!ext || !ext->x || !ext->y || !point || !point->exists || !frame) return setExists(0);
  const Pt xy = frame->ToAxes(PointA(*point));
  const Document& doc = UnitsDocument(ctx);
  const bool polar =
      e.attr1 == kForcePolar || (doc.coordinateSystem == 1 && e.attr1 != kForceRectangular);
  Pt shown = xy;
  if (polar) {
    const double r = std::hypot(xy.x, xy.y);
    double theta = 0;
    if (xy.x != 0 || xy.y != 0) {
      theta = UnsignedAngle({1, 0}, {0, 0}, xy).value_or(0);
      if (xy.y < 0) theta = -theta;
    }
    shown = {r, UserAngle(doc, theta)};
  }
  if (!Finite(shown)) return setExists(0);
  setExists(1);
  ext->x->value[0] = Clamp(shown.x);
  ext->y->value[0] = Clamp(shown.y);
}

// The signed distance from o to x along the direction d, in units of `unit`.
double Along(Pt o, Pt x, Pt d, double unit) {
  const double len = std::hypot(d.x, d.y);
  return ((x.x - o.x) * d.x + (x.y - o.y) * d.y) / len / unit;
}

// 45: the equation of a straight element's carrier line.
void LineEquationRule(Element& e, const RuleContext&) {
  const Element& line = *e.parent[0];
  const auto frame = FrameOf(e.parent[1]);
  EquationExt* ext = EquationOf(e);
  if (!frame || !ext) {
    e.exists = 0;
    return;
  }
  const Pt a = PointA(line), b = PointB(line), o = frame->origin;
  const Pt up{0, 10}, right{10, 0};  // the axis lines' directions
  double m = 0, n = 0;
  int32_t form = kSlopeForm;
  if (const auto x = IntersectLines(a, b, o, o + up)) {
    m = ((b.y - a.y) / frame->unitY) / ((b.x - a.x) / frame->unitX);
    n = Along(o, *x, up, frame->unitY);
  } else if (const auto x0 = IntersectLines(a, b, o, o + right)) {
    form = kVerticalForm;
    n = Along(o, *x0, right, frame->unitX);
  } else {
    e.exists = 0;
    return;
  }
  if (!std::isfinite(m) || !std::isfinite(n)) {
    e.exists = 0;
    return;
  }
  e.attr1 = form;
  e.value[0] = Clamp(m);
  e.value[1] = Clamp(n);
  ext->text = form == kSlopeForm ? LineEquationText(e.value[0], e.value[1], e.decimals)
                                 : VerticalLineEquationText(e.value[1], e.decimals);
  e.exists = 1;
}

// 46: the equation of a circle; a circle stays one only when both axes have the same unit.
void CircleEquationRule(Element& e, const RuleContext&) {
  const Element& circle = *e.parent[0];
  const auto frame = FrameOf(e.parent[1]);
  EquationExt* ext = EquationOf(e);
  if (!frame || !ext) {
    e.exists = 0;
    return;
  }
  const double r = Distance(PointA(circle), PointB(circle));
  const double rx = r / frame->unitX, ry = r / frame->unitY;
  const Pt c = frame->ToAxes(PointA(circle));
  if (!std::isfinite(rx) || !std::isfinite(ry) || !Finite(c)) {
    e.exists = 0;
    return;
  }
  e.value[0] = rx;
  e.value[1] = ry;
  e.attr1 = rx == ry ? 1 : 0;
  ext->text = e.attr1 == 1 ? CircleEquationText(c.x, c.y, rx, e.decimals)
                           : CircleAxisEquationText(c.x, c.y, rx, ry, e.decimals);
  e.exists = 1;
}

// The equation of the line through p and q in the text the line equation element shows.
std::string LineThrough(Pt p, Pt q, int decimals) {
  if (p.x == q.x) return VerticalLineEquationText(Clamp(p.x), decimals);
  const double m = (q.y - p.y) / (q.x - p.x);
  std::string s = LineEquationText(Clamp(m), Clamp(p.y - m * p.x), decimals);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// A conic that is a pair of lines is shown as its two lines, when five points name them:
// three aligned points give one, the two left over the other.
std::optional<std::string> LinePairText(const ConicEquation& eq, const FivePoints& p,
                                        int decimals) {
  const int32_t cls = ClassifyConic(eq, p);
  if (cls != kConicCrossingLines && cls != kConicParallelLines) return std::nullopt;
  const int n = FirstAlignedTriple(p);
  if (n < 0) return std::nullopt;
  const PointTriple& t = PointTriples()[static_cast<size_t>(n)];
  // Two distinct points of the aligned three.
  Pt a = p[t.i], b = p[t.k];
  if (Distance(a, b) < kPointCoincidence) b = p[t.j];
  if (Distance(a, b) < kPointCoincidence) a = p[t.k];
  const Pt c = p[t.l], d = p[t.m];
  if (Distance(a, b) < kPointCoincidence || Distance(c, d) < kPointCoincidence) return std::nullopt;
  return LineThrough(a, b, decimals) + "; " + LineThrough(c, d, decimals);
}

// 58: the equation of a conic, fitted again through its five points in axis coordinates.
void ConicEquationRule(Element& e, const RuleContext&) {
  const Element& conic = *e.parent[0];
  const auto frame = FrameOf(e.parent[1]);
  EquationExt* ext = EquationOf(e);
  const ConicExt* points = conic.as<ConicExt>();
  if (!frame || !ext || !points) {
    e.exists = 0;
    return;
  }
  FivePoints p;
  for (size_t i = 0; i < 5; ++i) {
    if (!points->points[i]) {
      e.exists = 0;
      return;
    }
    p[i] = frame->ToAxes(PointA(*points->points[i]));
    if (!Finite(p[i])) {
      e.exists = 0;
      return;
    }
  }
  const auto eq = ConicThroughPoints(p);
  if (!eq) {
    e.exists = 0;
    return;
  }
  const auto lines = LinePairText(*eq, p, e.decimals);
  ext->text = lines ? *lines : ConicEquationText(*eq, e.decimals);
  e.exists = 1;
}

}  // namespace

void AddCoordinateRules(RuleTable& t) {
  t[kCoordinates] = {CoordinatesRule, 2, /*ownParentTest=*/true};
  t[kEquationLine] = {LineEquationRule, 2};
  t[kEquationCircle] = {CircleEquationRule, 2};
  t[kEquationConic] = {ConicEquationRule, 2};
}

}  // namespace velt
