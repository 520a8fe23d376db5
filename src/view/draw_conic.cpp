// Conics through five points: line pairs, circles, nearly flat pieces and the sample walk.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/conic_chords.h"
#include "view/clip.h"
#include "view/draw_shapes.h"
#include "view/draw_types.h"

namespace velt {
namespace {

constexpr int kClassCrossingLines = 4;
constexpr int kClassParallelLines = 5;

double Value(const ConicData& k, WorldPoint p) {
  return k.a * p.x * p.x + k.b * p.x * p.y + k.c * p.y * p.y + k.d * p.x + k.e * p.y + k.f;
}

// The point of the conic on the line through x along the unit direction n nearest to x;
// x itself when that line misses the conic.
WorldPoint CarryOntoConic(const ConicData& k, WorldPoint x, double nx, double ny) {
  const double a2 = k.a * nx * nx + k.b * nx * ny + k.c * ny * ny;
  const double a1 =
      2 * k.a * x.x * nx + k.b * (x.x * ny + x.y * nx) + 2 * k.c * x.y * ny + k.d * nx + k.e * ny;
  const double a0 = Value(k, x);
  double t;
  const double scale = std::max({std::fabs(k.a), std::fabs(k.b), std::fabs(k.c)});
  if (std::fabs(a2) <= 1e-12 * scale) {
    if (a1 == 0) return x;
    t = -a0 / a1;
  } else {
    const double disc = a1 * a1 - 4 * a2 * a0;
    if (disc < 0) return x;
    const double s = std::sqrt(disc);
    // Stable roots: q = −(a1 + sign(a1)·s)/2, t1 = q/a2, t2 = a0/q.
    const double q = -0.5 * (a1 + (a1 >= 0 ? s : -s));
    const double t1 = q / a2;
    const double t2 = q != 0 ? a0 / q : t1;
    t = std::fabs(t1) <= std::fabs(t2) ? t1 : t2;
  }
  if (!std::isfinite(t)) return x;
  return {x.x + t * nx, x.y + t * ny};
}

// Where the conic crosses the circle around the view.
std::vector<WorldPoint> CrossingsWithViewCircle(const ConicData& k, WorldPoint c, double r) {
  constexpr int kSteps = 720;
  auto at = [&](double t) { return WorldPoint{c.x + r * std::cos(t), c.y + r * std::sin(t)}; };
  std::vector<WorldPoint> out;
  const double step = 2 * std::numbers::pi / kSteps;
  double t0 = 0, v0 = Value(k, at(0));
  for (int i = 1; i <= kSteps; ++i) {
    const double t1 = i * step, v1 = Value(k, at(t1));
    if ((v0 < 0) != (v1 < 0)) {
      double lo = t0, hi = t1, vlo = v0;
      for (int it = 0; it < 60; ++it) {
        const double mid = (lo + hi) / 2, vm = Value(k, at(mid));
        if ((vm < 0) == (vlo < 0)) {
          lo = mid;
          vlo = vm;
        } else {
          hi = mid;
        }
      }
      out.push_back(at((lo + hi) / 2));
    }
    t0 = t1;
    v0 = v1;
  }
  return out;
}

// A circle hidden in the coefficients: equal squares, no cross term.
bool AsCircle(const ConicData& k, WorldPoint& centre, double& radius) {
  const double s = std::max(std::fabs(k.a), std::fabs(k.c));
  if (s == 0 || std::fabs(k.a - k.c) > 1e-9 * s || std::fabs(k.b) > 1e-9 * s) return false;
  centre = {-k.d / (2 * k.a), -k.e / (2 * k.a)};
  const double r2 = centre.x * centre.x + centre.y * centre.y - k.f / k.a;
  if (!(r2 > 0)) return false;
  radius = std::sqrt(r2);
  return true;
}

bool DrawFlat(const DrawContext& ctx, const ConicData& k, const Look& look) {
  const WorldPoint vc = ctx.ViewCentre();
  const double vr = ctx.ViewRadius();
  const std::vector<WorldPoint> cut = CrossingsWithViewCircle(k, vc, vr);
  if (cut.size() != 2) return false;
  const WorldPoint p = cut[0], q = cut[1];
  const double len = Distance(p, q);
  if (!(len > vr)) return false;
  const double nx = -(q.y - p.y) / len, ny = (q.x - p.x) / len;
  const WorldPoint mid{(p.x + q.x) / 2, (p.y + q.y) / 2};
  const double bulge = Distance(CarryOntoConic(k, mid, nx, ny), mid);
  if (!(bulge < 0.0001 || len / bulge > 12)) return false;
  WorldPoint last = p;
  for (int i = 1; i <= 9; ++i) {
    const WorldPoint x{p.x + (q.x - p.x) * i / 9, p.y + (q.y - p.y) * i / 9};
    const WorldPoint on = i == 9 ? q : CarryOntoConic(k, x, nx, ny);
    DrawSegment(ctx, last, on, look.colour, look.style);
    last = on;
  }
  return true;
}

// The walk along the samples; far tails of open conics (beyond the largest plane) and the
// long chords that close a hyperbola across its branches are not drawn.
void WalkSamples(const DrawContext& ctx, const ConicData& k, const Look& look) {
  for (const ConicPiece& piece : DrawnConicPieces(k))
    DrawSegment(ctx, {k.sx[piece.from], k.sy[piece.from]}, {k.sx[piece.to], k.sy[piece.to]},
                look.colour, look.style);
}

}  // namespace

void DrawConicElement(const DrawContext& ctx, const Element& e, const Look& look) {
  const ConicExt* ext = e.as<ConicExt>();
  if (!ext || look.fillOnly) return;
  const ConicData& k = ext->data;
  if (k.conicClass == kClassCrossingLines || k.conicClass == kClassParallelLines) {
    if (k.sx.size() < 4 || k.sy.size() < 4) return;
    DrawFullLine(ctx, {k.sx[0], k.sy[0]}, {k.sx[1], k.sy[1]}, look.colour, look.style);
    DrawFullLine(ctx, {k.sx[2], k.sy[2]}, {k.sx[3], k.sy[3]}, look.colour, look.style);
    return;
  }
  WorldPoint centre;
  double radius;
  if (AsCircle(k, centre, radius)) {
    Look outline = look;
    outline.fill = -1;
    return DrawCircle(ctx, centre, radius, outline);
  }
  if (DrawFlat(ctx, k, look)) return;
  WalkSamples(ctx, k, look);
}

}  // namespace velt
