// Polygon tools: a polygon by its vertices, closed on the first vertex or by a double click,
// and the regular polygon chosen by the angle at its centre.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "geometry/element_points.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// The regular polygon for the pointer at k: centre, first vertex and the choice.
struct RegularShape {
  Pt centre;
  double radius = 0, start = 0;
  PolygonChoice choice;
  Pt Vertex(int i) const {
    const double a = start + kTwoPi * choice.k * i / choice.n;
    return centre + Pt{std::cos(a), std::sin(a)} * radius;
  }
  double Rotation(int i) const { return kTwoPi * choice.k * i / choice.n; }
};

RegularShape ShapeFor(Pt centre, Pt first, Pt k) {
  RegularShape s;
  s.centre = centre;
  s.radius = Distance(centre, first);
  s.start = std::atan2(first.y - centre.y, first.x - centre.x);
  double theta = std::atan2(k.y - centre.y, k.x - centre.x) - s.start;
  theta = std::fmod(theta, kTwoPi);
  if (theta < 0) theta += kTwoPi;
  s.choice = RegularPolygonFor(theta);
  return s;
}

}  // namespace

PolygonChoice RegularPolygonFor(double theta) {
  theta = std::max(theta, 0.0001);
  if (theta < std::numbers::pi) {
    const double n = std::trunc(kTwoPi / theta);
    return {static_cast<int>(std::clamp(n, 3.0, 30.0)), 1};
  }
  const double rest = kTwoPi - theta;
  PolygonChoice best{5, 2};
  double bestDiff = INFINITY;
  for (int n = 5; n <= 30; ++n)
    for (int k = 2; 2 * k < n; ++k) {
      if (std::gcd(n, k) != 1) continue;
      const double diff = std::abs(kTwoPi * k / n - rest);
      if (diff < bestDiff) bestDiff = diff, best = {n, k};
    }
  return best;
}

void PressPolygon(ToolContext& c, Pt at) {
  Element* under = c.Under();
  const auto& picks = c.picks();
  if (!picks.empty() && under == picks.front() && c.pickCount() >= 3) {
    ClosePolygon(c);
    return;
  }
  if (!picks.empty() && under == picks.back()) return;   // the vertex just picked
  if (!picks.empty() && under == picks.front()) return;  // fewer than three: not yet
  c.AddPick(c.PickPoint(at));
}

void ClosePolygon(ToolContext& c) {
  if (c.pickCount() < 3) return;
  ElementTemplate& t = c.tmpl();
  t.kind = kPolygon;
  t.picks = c.picks();
  c.Commit();
}

void PressRegularPolygon(ToolContext& c, Pt at) {
  if (c.pickCount() < 2) {
    c.AddPick(c.PickPoint(at));
    c.mask()[kTypePoint] = 1;
    if (c.pickCount() == 2) c.mask() = DetectionMask{};  // the third click only places
    return;
  }
  c.EnsureStep();
  Element* centre = c.picks()[0];
  Element* first = c.picks()[1];
  const RegularShape s = ShapeFor(PointA(*centre), PointA(*first), at);
  std::vector<Element*> vertices{first};
  for (int i = 1; i < s.choice.n; ++i) {
    ElementTemplate v;
    v.kind = kRegularPolygonVertex;
    v.parent = {centre, first, nullptr};
    const Pt p = s.Vertex(i);
    v.value = {p.x, p.y, 0, s.Rotation(i)};
    vertices.push_back(c.Make(v));
  }
  ElementTemplate& t = c.tmpl();
  t.kind = kPolygon;
  t.picks = vertices;
  c.Commit();
}

void PreviewPolygon(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  if (picks.empty()) return;
  ElementTemplate side;
  side.kind = kSegment;
  for (size_t i = 0; i + 1 < picks.size(); ++i) {
    side.parent = {picks[i], picks[i + 1], nullptr};
    out.drawn.push_back(side);
  }
  side.parent = {picks.back(), out.PointAt(k), nullptr};
  out.drawn.push_back(side);
}

void PreviewRegularPolygon(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  if (picks.size() < 2) return;
  const RegularShape s = ShapeFor(PointA(*picks[0]), PointA(*picks[1]), k);
  std::vector<Element*> vertices;
  for (int i = 0; i < s.choice.n; ++i) vertices.push_back(out.PointAt(s.Vertex(i)));
  ElementTemplate side;
  side.kind = kSegment;
  for (int i = 0; i < s.choice.n; ++i) {
    side.parent = {vertices[i], vertices[(i + 1) % s.choice.n], nullptr};
    out.drawn.push_back(side);
  }
}

}  // namespace velt
