#include "geometry/common_points.h"

#include <algorithm>
#include <array>

namespace velt {
namespace {

// The generic parent slots that hold an element's defining points, a bit per slot.
uint8_t DefiningSlots(int32_t kind) {
  static const std::array<uint8_t, kKindCount> kSlots = [] {
    std::array<uint8_t, kKindCount> t{};
    for (int k : {kLineThroughPoint, kRayThroughPoint, kAxisX, kAxisY}) t[k] = 0b001;
    for (int k : {kLineTwoPoints, kRayTwoPoints, kSegment, kPolygonSide, kVector}) t[k] = 0b011;
    for (int k : {kParallel, kPerpendicular, kAngleBisector, kCircleCentrePoint}) t[k] = 0b010;
    t[kArc] = 0b111;
    return t;
  }();
  return IsValidKind(kind) ? kSlots[kind] : 0;
}

}  // namespace

std::vector<const Element*> DefiningPoints(const Element& e) {
  std::vector<const Element*> out;
  const uint8_t slots = DefiningSlots(e.kind);
  for (int i = 0; i < 3; ++i)
    if ((slots >> i & 1) && e.parent[i]) out.push_back(e.parent[i]);
  return out;
}

bool LiesOnByConstruction(const Element* p, const Element& y) {
  if (!p) return false;
  if (p->kind == kPointOnElement && p->parent[0] == &y) return true;
  if (p->kind == kIntersection && (p->parent[0] == &y || p->parent[1] == &y)) return true;
  if (const auto* c = y.as<ConicExt>())
    if (std::find(c->points.begin(), c->points.end(), p) != c->points.end()) return true;
  const auto own = DefiningPoints(y);
  return std::find(own.begin(), own.end(), p) != own.end();
}

std::vector<const Element*> KnownCommonPoints(const Element& x, const Element& y) {
  std::vector<const Element*> known;
  auto collect = [&](const Element& from, const Element& onto) {
    for (const Element* p : DefiningPoints(from))
      if (LiesOnByConstruction(p, onto) && std::find(known.begin(), known.end(), p) == known.end())
        known.push_back(p);
  };
  collect(x, y);
  collect(y, x);
  return known;
}

}  // namespace velt
