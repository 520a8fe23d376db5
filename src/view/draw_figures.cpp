// Points, straight elements, polygons, circles, arcs and angle marks.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "view/clip.h"
#include "view/draw_shapes.h"
#include "view/draw_types.h"

namespace velt {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * kPi;
// The angle's range field holds this when the angle runs from 0 to 2π.
constexpr int32_t kFullRangeAngle = -1111;

double AngleOf(WorldPoint c, WorldPoint p) { return std::atan2(p.y - c.y, p.x - c.x); }

double CcwFrom(double a, double b) {
  double d = std::fmod(b - a, kTwoPi);
  if (d < 0) d += kTwoPi;
  return d;
}

bool Circumcentre(WorldPoint a, WorldPoint b, WorldPoint c, WorldPoint& centre) {
  const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  const double scale = std::max({Distance(a, b), Distance(b, c), Distance(a, c)});
  if (!(std::fabs(d) > 1e-12 * scale * scale)) return false;  // aligned
  const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
  centre = {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
            (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
  return std::isfinite(centre.x) && std::isfinite(centre.y);
}

}  // namespace

void DrawPointElement(const DrawContext& ctx, const Element& e, const Look& look) {
  DrawPointShape(ctx, e.value[0], e.value[1], look.colour, look.style);
}

void DrawLineElement(const DrawContext& ctx, const Element& e, const Look& look) {
  DrawFullLine(ctx, PositionOf(e), SecondPointOf(e), look.colour, look.style);
}

void DrawRayElement(const DrawContext& ctx, const Element& e, const Look& look) {
  DrawRay(ctx, PositionOf(e), SecondPointOf(e), look.colour, look.style);
}

void DrawSegmentElement(const DrawContext& ctx, const Element& e, const Look& look) {
  DrawSegment(ctx, PositionOf(e), SecondPointOf(e), look.colour, look.style);
}

void DrawVectorElement(const DrawContext& ctx, const Element& e, const Look& look) {
  const WorldPoint a = PositionOf(e), b = SecondPointOf(e);
  DrawSegment(ctx, a, b, look.colour, look.style);
  const double len = Distance(a, b);
  if (!(len > 0) || !PointVisible(ctx.view, b.x, b.y)) return;
  const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
  // The head in world units, along the vector (x) and across it (y), tip at the end point.
  static const double kHead[4][2] = {{-8, 0}, {-12, -4}, {0, 0}, {-12, 4}};
  PixelPoint pts[4];
  for (int i = 0; i < 4; ++i) {
    const double x = kHead[i][0], y = kHead[i][1];
    pts[i] = ctx.Pixel(b.x + x * ux - y * uy, b.y + x * uy + y * ux);
  }
  ctx.canvas.SetPen({look.colour, 1, LineStyle::kSolid});
  ctx.canvas.SetBrush({look.colour, false});
  ctx.canvas.Polygon(pts);
}

void DrawPolygonElement(const DrawContext& ctx, const Element& e, const Look& look) {
  const PolygonExt* poly = e.as<PolygonExt>();
  if (!poly) return;
  // Corner i is the first end of side i.
  std::vector<WorldPoint> corners;
  for (const ElementPtr& side : poly->sides) {
    corners.push_back(side->parent[0] ? PositionOf(*side->parent[0]) : PositionOf(*side));
  }
  if (corners.empty()) return;
  if (look.fillOnly) {
    if (look.fill < 0) return;
    double size = 0;
    for (WorldPoint p : corners) size = std::max({size, std::fabs(p.x), std::fabs(p.y)});
    if (!(size < 1e10)) return;
    // Cut to a little more than the clip rectangle in plane coordinates first: a corner far
    // outside would otherwise reach the picture clamped, with its edge bent.
    const double margin = 4 / ctx.map.scale;
    const WorldRect around{ctx.clip.left - margin, ctx.clip.top + margin, ctx.clip.right + margin,
                           ctx.clip.bottom - margin};
    const std::vector<WorldPoint> inside = ClipPolygon(around, corners);
    if (inside.size() < 3) return;
    std::vector<PixelPoint> pts;
    for (WorldPoint p : inside) pts.push_back(ctx.Pixel(p));
    ctx.canvas.SetPen({look.fill, 1, LineStyle::kNone});
    ctx.canvas.SetBrush({look.fill, false});
    ctx.canvas.Polygon(pts);
    return;
  }
  for (size_t i = 0; i < corners.size(); ++i)
    DrawSegment(ctx, corners[i], corners[(i + 1) % corners.size()], look.colour, look.style);
}

void DrawCircleElement(const DrawContext& ctx, const Element& e, const Look& look) {
  DrawCircle(ctx, PositionOf(e), Distance(PositionOf(e), SecondPointOf(e)), look);
}

void DrawArcElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (look.fillOnly || !e.parent[0] || !e.parent[1] || !e.parent[2]) return;
  const WorldPoint a = PositionOf(*e.parent[0]), m = PositionOf(*e.parent[1]),
                   b = PositionOf(*e.parent[2]);
  WorldPoint c;
  if (!Circumcentre(a, m, b, c)) return;
  const double r = Distance(c, b);
  if (!(r <= 1e14) || Distance(c, ctx.ViewCentre()) - r >= ctx.ViewRadius()) return;
  // Counter-clockwise from one end to the other, through m.
  const double aa = AngleOf(c, a), am = AngleOf(c, m), ab = AngleOf(c, b);
  double start = aa, sweep = CcwFrom(aa, ab);
  WorldPoint from = a, to = b;
  if (CcwFrom(aa, am) > sweep) {
    start = ab;
    sweep = CcwFrom(ab, aa);
    std::swap(from, to);
  }
  const long long f = std::llround(r * ctx.map.scale);
  if (f < 1) return DrawSegment(ctx, a, b, look.colour, look.style);
  if (f < 10) {
    ctx.canvas.SetPen(LineStylePen(look.style, look.colour));
    ctx.canvas.SetBrush({ctx.doc.backgroundColour, true});
    ctx.canvas.Arc(CircleBox(ctx.Pixel(c), f), ctx.Pixel(from), ctx.Pixel(to));
    return;
  }
  for (auto [s, w] : ArcInsideView(ctx, c, r, start, sweep))
    SampleArc(ctx, c, r, s, w, look.colour, look.style);
}

void DrawAngleElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (!e.parent[0] || !e.parent[1] || !e.parent[2]) return;
  WorldPoint p = PositionOf(*e.parent[0]), q = PositionOf(*e.parent[2]);
  const WorldPoint v = PositionOf(*e.parent[1]);
  if (!(Distance(v, p) >= 3) || !(Distance(v, q) >= 3) || !(e.value[0] >= 0.01)) return;
  // A vertex beyond the plane's coordinates has no pixel to draw at.
  if (ctx.Pixel(v) == PixelPoint{kFarPixel, kFarPixel}) return;
  if (e.attr2 != kFullRangeAngle && e.value[0] > kPi + 0.0001) std::swap(p, q);
  const double rho = e.value[2];
  const double pixels = std::min(rho * ctx.map.scale, 10000.0);
  if (!(pixels >= 0)) return;
  auto onArm = [&](WorldPoint arm) {
    const double d = Distance(v, arm);
    return ctx.Pixel(v.x + (arm.x - v.x) / d * rho, v.y + (arm.y - v.y) / d * rho);
  };
  const PixelBox box = CircleBox(ctx.Pixel(v), std::llround(pixels));
  Canvas& c = ctx.canvas;
  if (look.fillOnly) {
    if (look.fill < 0) return;
    c.SetPen({ctx.doc.backgroundColour, 1, LineStyle::kSolid});
    c.SetBrush({look.fill, false});
    c.Pie(box, onArm(p), onArm(q));
    return;
  }
  c.SetPen(LineStylePen(look.style, look.colour));
  c.SetBrush({ctx.doc.backgroundColour, true});
  c.Arc(box, onArm(p), onArm(q));
}

}  // namespace velt
