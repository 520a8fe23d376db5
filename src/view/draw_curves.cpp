// Circles, sampled arcs and the circle-based paths for huge radii.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "view/clip.h"
#include "view/draw_shapes.h"

namespace velt {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

double Angle(WorldPoint c, WorldPoint p) { return std::atan2(p.y - c.y, p.x - c.x); }

// Angle b − a brought into [0, 2π).
double CcwFrom(double a, double b) {
  double d = std::fmod(b - a, kTwoPi);
  if (d < 0) d += kTwoPi;
  return d;
}

bool ThinStyle(int32_t style) { return style == 1 || style == 3 || style == 4; }

}  // namespace

std::vector<std::pair<double, double>> ArcInsideView(const DrawContext& ctx, WorldPoint centre,
                                                     double radius, double start, double sweep) {
  const WorldPoint vc = ctx.ViewCentre();
  const double vr = ctx.ViewRadius();
  const std::vector<WorldPoint> cut = CircleCircle(vc, vr, centre, radius);
  double vs = 0, vw = kTwoPi;  // the view side of the circle
  if (cut.size() == 2) {
    const double a1 = Angle(centre, cut[0]), a2 = Angle(centre, cut[1]);
    const double towards = Angle(centre, vc);
    if (CcwFrom(a1, towards) <= CcwFrom(a1, a2)) {
      vs = a1;
      vw = CcwFrom(a1, a2);
    } else {
      vs = a2;
      vw = CcwFrom(a2, a1);
    }
  } else if (!(vr > radius && Distance(centre, vc) < vr)) {
    return {};  // the circle passes round the whole view, or misses it
  }
  if (vw >= kTwoPi) return {{start, sweep}};
  // Overlap of [0, sweep] with the view side, taken once and once shifted by a turn.
  std::vector<std::pair<double, double>> pieces;
  const double o = CcwFrom(start, vs);
  for (double shift : {0.0, -kTwoPi}) {
    const double lo = std::max(0.0, o + shift), hi = std::min(sweep, o + shift + vw);
    if (hi > lo) pieces.push_back({start + lo, hi - lo});
  }
  return pieces;
}

void SampleArc(const DrawContext& ctx, WorldPoint c, double r, double start, double sweep,
               int32_t colour, int32_t style) {
  auto at = [&](double a) { return WorldPoint{c.x + r * std::cos(a), c.y + r * std::sin(a)}; };
  const WorldPoint end = at(start + sweep);
  WorldPoint last = at(start);
  if (sweep > 0) {
    const double f = r * ctx.doc.measureScale;
    const double g = std::trunc(0.02 * f / sweep);
    const double n = std::clamp(std::trunc(f / (g + 1)) + 2, 2.0, 100000.0);
    for (int i = 1; i < static_cast<int>(n); ++i) {
      const WorldPoint p = at(start + i * sweep / n);
      if (Distance(last, p) > 5) {
        DrawSegment(ctx, last, p, colour, style);
        last = p;
      }
    }
  }
  DrawSegment(ctx, last, end, colour, style);
}

void DrawCircle(const DrawContext& ctx, WorldPoint centre, double radius, const Look& look) {
  const WorldPoint vc = ctx.ViewCentre();
  const double vr = ctx.ViewRadius();
  if (!(radius <= 1e14) || Distance(centre, vc) - radius >= vr) return;
  Canvas& c = ctx.canvas;
  if (radius > 1e9) {
    if (look.fillOnly) return;
    // Seen from the view the circle is straight: its tangent at the point nearest to us.
    const double d = Distance(centre, vc);
    if (d == 0) return;
    const double ux = (vc.x - centre.x) / d, uy = (vc.y - centre.y) / d;
    const WorldPoint n{centre.x + ux * radius, centre.y + uy * radius};
    DrawFullLine(ctx, n, {n.x - uy * 100, n.y + ux * 100}, look.colour, look.style);
    return;
  }
  const PixelPoint cp = ctx.Pixel(centre);
  const long long f = std::llround(radius * ctx.map.scale);
  if (look.fillOnly) {
    if (look.fill >= 0 && f >= 1 && f < 3999) {
      c.SetPen({look.fill, 1, LineStyle::kNone});
      c.SetBrush({look.fill, false});
      c.Ellipse(CircleBox(cp, f, 2));
    }
    return;
  }
  c.SetPen(LineStylePen(look.style, look.colour));
  c.SetBrush({ctx.doc.backgroundColour, true});
  if (ThinStyle(look.style)) {
    if (f < 1) return c.SetPixel(cp, look.colour);
    if (f < 4000) return c.Ellipse(CircleBox(cp, f));
  } else if (f < 2000) {
    return c.Ellipse(CircleBox(cp, f));
  }
  // Large circle: only what lies inside the circle around the view.
  const std::vector<WorldPoint> cut = CircleCircle(vc, vr, centre, radius);
  if (cut.empty() && vr > radius) {
    const long long r = static_cast<long long>(radius);
    return c.Ellipse(CircleBox(cp, r));
  }
  if (cut.size() != 2) return;
  for (auto [s, w] : ArcInsideView(ctx, centre, radius, 0, kTwoPi))
    SampleArc(ctx, centre, radius, s, w, look.colour, look.style);
}

}  // namespace velt
