#include "view/name_anchor.h"

#include <algorithm>
#include <cmath>

#include "geometry/conic_chords.h"

namespace velt {
namespace {

WorldPoint First(const Element& e) { return {e.value[0], e.value[1]}; }
WorldPoint Second(const Element& e) { return {e.value[2], e.value[3]}; }

bool Finite(WorldPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// How far along its defining points a straight element reaches: a line both ways, a ray
// from its origin on, a segment or vector between its ends.
double KeepOnStraight(int32_t type, double t) {
  switch (type) {
    case kTypeRay: return std::max(t, 0.0);
    case kTypeSegment:
    case kTypeVector: return std::clamp(t, 0.0, 1.0);
    default: return t;
  }
}

bool IsStraight(int32_t type) {
  return type == kTypeLine || type == kTypeRay || type == kTypeSegment || type == kTypeVector;
}

std::optional<WorldPoint> FirstSample(const std::vector<double>& xs,
                                      const std::vector<double>& ys) {
  const size_t n = std::min(xs.size(), ys.size());
  for (size_t i = 0; i < n; ++i)
    if (std::isfinite(xs[i]) && std::isfinite(ys[i])) return WorldPoint{xs[i], ys[i]};
  return std::nullopt;
}

std::optional<WorldPoint> AnchorOn(const Element& named, double along) {
  const int32_t type = named.type();
  if (IsStraight(type)) {
    const WorldPoint a = First(named), b = Second(named);
    const double t = std::isfinite(along) ? KeepOnStraight(type, along) : 0;
    return WorldPoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
  }
  switch (type) {
    case kTypePoint: return First(named);
    case kTypeAngle:
      if (!named.parent[1]) return std::nullopt;
      return First(*named.parent[1]);
    case kTypePolygon: {
      const auto* p = named.as<PolygonExt>();
      if (!p || p->sides.empty()) return std::nullopt;
      return First(*p->sides.front());
    }
    case kTypeCircle: {
      const WorldPoint c = First(named);
      const double r = std::hypot(named.value[2] - c.x, named.value[3] - c.y);
      const double angle = std::isfinite(along) ? along : 0;
      return WorldPoint{c.x + r * std::cos(angle), c.y + r * std::sin(angle)};
    }
    case kTypeArc: return Second(named);
    case kTypeConic: {
      const auto* c = named.as<ConicExt>();
      if (!c) return std::nullopt;
      const auto pieces = DrawnConicPieces(c->data);
      if (!pieces.empty())
        return WorldPoint{c->data.sx[pieces.front().from], c->data.sy[pieces.front().from]};
      return FirstSample(c->data.sx, c->data.sy);
    }
    case kTypeLocus: {
      const auto* s = named.as<SampleExt>();
      return s ? FirstSample(s->x1, s->y1) : std::nullopt;
    }
    case kTypeAxes:
    case kTypeGrid: {
      const Element* axes = type == kTypeGrid ? named.parent[0] : &named;
      if (!axes || !axes->parent[0]) return std::nullopt;
      return First(*axes->parent[0]);
    }
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<WorldPoint> NameAnchor(const Element& name) {
  if (name.kind != kName || name.attr1 == 0 || !name.parent[0]) return std::nullopt;
  const auto anchor = AnchorOn(*name.parent[0], name.value[2]);
  if (!anchor || !Finite(*anchor)) return std::nullopt;
  return anchor;
}

std::optional<WorldPoint> NameLabelPosition(const Element& name) {
  const auto anchor = NameAnchor(name);
  if (!anchor) return std::nullopt;
  const WorldPoint at{anchor->x + name.value[0], anchor->y + name.value[1]};
  if (!Finite(at)) return std::nullopt;
  return at;
}

bool PlaceNameLabel(Element& name, WorldPoint wanted, double maxOffset) {
  if (!NameAnchor(name) || !Finite(wanted)) return false;
  const Element& named = *name.parent[0];
  if (IsStraight(named.type())) {
    const WorldPoint a = First(named), b = Second(named);
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    if (len2 > 0)
      name.value[2] =
          KeepOnStraight(named.type(), ((wanted.x - a.x) * dx + (wanted.y - a.y) * dy) / len2);
  } else if (named.type() == kTypeCircle) {
    const WorldPoint c = First(named);
    if (wanted.x != c.x || wanted.y != c.y)
      name.value[2] = std::atan2(wanted.y - c.y, wanted.x - c.x);
  }
  const WorldPoint anchor = *NameAnchor(name);
  double ox = wanted.x - anchor.x, oy = wanted.y - anchor.y;
  const double length = std::hypot(ox, oy);
  if (maxOffset >= 0 && length > maxOffset) {
    ox *= maxOffset / length;
    oy *= maxOffset / length;
  }
  name.value[0] = ox;
  name.value[1] = oy;
  return true;
}

}  // namespace velt
