// Coordinate axes (lines, step labels, ticks) and grids of points.
#include "view/axes_grid.h"

#include <cmath>
#include <numbers>

#include "view/clip.h"
#include "view/draw_shapes.h"
#include "view/draw_types.h"
#include "view/label_text.h"

namespace velt {
namespace {

// Beyond this many ticks or grid points a figure is not drawable in any useful way.
constexpr double kMaxMarks = 1e6;

const AxesExt* AxesOf(const Element& e) { return e.as<AxesExt>(); }

WorldPoint OriginOf(const Element& axes) {
  return axes.parent[0] ? PositionOf(*axes.parent[0]) : PositionOf(axes);
}

}  // namespace

double NiceTickCount(double unit) {
  if (!(unit > 0) || !std::isfinite(unit)) return 0;
  const double v = 60 / unit;
  const double lg = std::trunc(std::log10(v));
  const double d =
      v >= 1 ? std::trunc(v / std::pow(10.0, lg)) : std::trunc(v / std::pow(10.0, lg - 1));
  const double m = d == 1 ? 1 : (d >= 2 && d <= 4 ? 2 : 5);
  const double e = v < 1 ? lg - 1 : lg;
  return m * std::pow(10.0, e);
}

std::vector<double> TickPositions(double o, double lo, double hi, double spacing) {
  std::vector<double> out;
  if (!(spacing > 0) || !(hi >= lo)) return out;
  const double n = std::trunc((hi - lo) / spacing) + 1;
  if (n > kMaxMarks) return out;
  const double x0 = o - std::trunc((o - lo) / spacing) * spacing;
  for (int i = 0; i <= static_cast<int>(n); ++i) {
    const double x = x0 + i * spacing;
    if (std::fabs(x - o) >= 0.0001) out.push_back(x);
  }
  return out;
}

namespace {

// The first grid line at or below lo (o + k·s for a whole k) and how many lines lie below
// hi. The first line is derived from lo itself: with an origin far away (1e22) o + k·s loses
// its precision and may land millions of units before lo, so the whole steps between it and
// lo are added back. Zero lines when the count is not finite or beyond kMaxMarks.
struct GridLines {
  double first = 0;
  double count = 0;
};

GridLines LinesAcross(double o, double lo, double hi, double s) {
  double first = o + std::floor((lo - o) / s) * s;
  first += std::floor((lo - first) / s) * s;
  const double count = std::ceil((hi - first) / s);
  if (!std::isfinite(first) || !(count >= 0) || count > kMaxMarks) return {};
  return {first, count};
}

}  // namespace

std::vector<WorldPoint> RectangularGridPoints(WorldPoint o, double sx, double sy,
                                              const WorldRect& clip) {
  std::vector<WorldPoint> out;
  if (!(sx > 0) || !(sy > 0)) return out;
  if ((clip.Width() / sx) * (clip.Height() / sy) > kMaxMarks) return out;
  const GridLines cols = LinesAcross(o.x, clip.left, clip.right, sx);
  const GridLines rows = LinesAcross(o.y, clip.bottom, clip.top, sy);
  if (cols.count * rows.count > kMaxMarks) return out;
  const int nx = static_cast<int>(cols.count), ny = static_cast<int>(rows.count);
  out.reserve(static_cast<size_t>(nx) * static_cast<size_t>(ny));
  for (int i = 0; i < nx; ++i) {
    const double x = cols.first + i * sx;
    if (!(x < clip.right)) break;
    for (int j = 0; j < ny; ++j) {
      const double y = rows.first + j * sy;
      if (!(y < clip.top)) break;
      out.push_back({x, y});
    }
  }
  return out;
}

std::vector<WorldPoint> PolarGridPoints(WorldPoint o, double sx, double sy, const WorldRect& clip,
                                        bool thumbnail) {
  std::vector<WorldPoint> out;
  if (!(sx > 0) || !(sy > 0)) return out;
  const double pi = std::numbers::pi;
  const WorldPoint c = clip.Centre();
  const double d = Distance(o, c), h = clip.Height();
  const bool originInside =
      o.x >= clip.left && o.x <= clip.right && o.y >= clip.bottom && o.y <= clip.top;
  double r = thumbnail || originInside ? 0 : std::trunc((d - h) / sx) * sx;
  if (r < 0) r = 0;  // a negative radius would repeat the circles on the other side
  const double rEnd = thumbnail ? 9999 : d + h;
  const double circles = std::ceil((rEnd - r) / sx);
  if (!(circles >= 0) || circles > kMaxMarks) return out;
  double delta = thumbnail ? pi / 12 : pi / 6;
  // Counted, not stepped: far from the origin r + sx can round back to r.
  const double r0 = r;
  for (int k = 0; k < static_cast<int>(circles); ++k) {
    r = r0 + k * sx;
    if (!(r < rEnd)) break;
    if (!thumbnail && r * delta > 60) delta /= 2;
    const int steps = static_cast<int>(std::floor(2 * pi / delta + 1e-9));
    if (out.size() + steps > kMaxMarks) break;
    for (int i = 0; i <= steps; ++i) {
      const double t = i * delta;
      out.push_back({o.x + r * std::cos(t), o.y + (r * sy / sx) * std::sin(t)});
    }
  }
  return out;
}

void DrawAxesElement(const DrawContext& ctx, const Element& e, const Look& look) {
  const AxesExt* axes = AxesOf(e);
  if (!axes || look.fillOnly) return;
  const WorldPoint o = OriginOf(e);
  DrawFullLine(ctx, o, {o.x + 10, o.y}, look.colour, look.style);
  DrawFullLine(ctx, o, {o.x, o.y + 10}, look.colour, look.style);
  const double kx = NiceTickCount(axes->xUnit), ky = NiceTickCount(axes->yUnit);
  const double sx = kx * axes->xUnit, sy = ky * axes->yUnit;
  Canvas& c = ctx.canvas;
  if (ctx.opt.realSize) {
    const TextFont font{"MS Sans Serif", ScaledFontSize(8, ctx.opt.screenDpi)};
    const int32_t colour =
        ctx.doc.backgroundColour == 0xFFFFFF ? 0x0000FF : ctx.doc.nameFont.colour;
    c.Text(ctx.Pixel(o.x + kx * axes->xUnit - 2, o.y - 4), AxisStepText(kx), font, colour, -1);
    c.Text(ctx.Pixel(o.x + 4, o.y + ky * axes->yUnit + 8), AxisStepText(ky), font, colour, -1);
  }
  c.SetPen({ctx.doc.typeColours[kTypeSegment], 1, LineStyle::kSolid});
  // The axis lines as they cross the clip rectangle: the x axis from its left end, the y
  // axis from its bottom end.
  const WorldRect& clip = ctx.clip;
  if (o.y >= clip.bottom && o.y <= clip.top) {
    for (double x : TickPositions(o.x, clip.left, clip.right, sx)) {
      const PixelPoint p = ctx.Pixel(x, o.y);
      c.Line({p.x, p.y - 1}, {p.x, p.y + 2});
    }
  }
  if (o.x >= clip.left && o.x <= clip.right) {
    for (double y : TickPositions(o.y, clip.bottom, clip.top, sy)) {
      const PixelPoint p = ctx.Pixel(o.x, y);
      c.Line({p.x - 1, p.y}, {p.x + 2, p.y});
    }
  }
}

void DrawGridElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (look.fillOnly || !e.parent[0]) return;
  const Element& axesElement = *e.parent[0];
  const AxesExt* axes = AxesOf(axesElement);
  if (!axes) return;
  const WorldPoint o = OriginOf(axesElement);
  double sx = NiceTickCount(axes->xUnit) * axes->xUnit;
  double sy = NiceTickCount(axes->yUnit) * axes->yUnit;
  const bool thumbnail = !ctx.opt.realSize;
  if (thumbnail) {
    sx /= 2 * ctx.map.scale;
    sy /= 2 * ctx.map.scale;
  }
  const std::vector<WorldPoint> points = ctx.doc.coordinateSystem == 1
                                             ? PolarGridPoints(o, sx, sy, ctx.clip, thumbnail)
                                             : RectangularGridPoints(o, sx, sy, ctx.clip);
  for (WorldPoint p : points) DrawPointShape(ctx, p.x, p.y, look.colour, look.style);
}

}  // namespace velt
