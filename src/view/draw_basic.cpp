// Point shapes, segments, full lines and rays.
#include <cmath>
#include <limits>

#include "view/clip.h"
#include "view/draw_shapes.h"

namespace velt {
namespace {

void PrinterPointShape(const DrawContext& ctx, PixelPoint p, int32_t colour, int32_t style) {
  Canvas& c = ctx.canvas;
  const int f = static_cast<int>(std::lround(ctx.opt.printerDpi / 45.0));
  switch (style) {
    case 1: c.Rectangle({p.x - f + 1, p.y - f + 1, p.x + f, p.y + f}); break;
    case 2:
    case 3: c.Ellipse({p.x - f, p.y - f, p.x + f + 1, p.y + f + 1}); break;
    case 4:
      c.Line({p.x - f, p.y - f}, {p.x + f + 1, p.y + f + 1});
      c.Line({p.x - f, p.y + f}, {p.x + f + 1, p.y - f - 1});
      break;
    case 5: c.Rectangle({p.x - f, p.y - f, p.x + f + 1, p.y + f + 1}); break;
    default: c.SetPixel(p, colour);
  }
}

}  // namespace

PixelBox CircleBox(PixelPoint c, long long f, int extra) {
  return {static_cast<int>(c.x - f), static_cast<int>(c.y - f), static_cast<int>(c.x + f + extra),
          static_cast<int>(c.y + f + extra)};
}

void DrawPointShape(const DrawContext& ctx, double x, double y, int32_t colour, int32_t style) {
  if (!PointVisible(ctx.view, x, y)) return;
  Canvas& c = ctx.canvas;
  const PixelPoint p = ctx.Pixel(x, y);
  c.SetPen({colour, 1, LineStyle::kSolid});
  c.SetBrush({style == 3 ? ctx.doc.backgroundColour : colour, false});
  if (ctx.opt.printerDpi > 0 && style > 0) return PrinterPointShape(ctx, p, colour, style);
  switch (style) {
    case 1: c.Rectangle({p.x - 1, p.y - 1, p.x + 2, p.y + 2}); break;
    case 2:
    case 3: c.Ellipse({p.x - 2, p.y - 2, p.x + 3, p.y + 3}); break;
    case 4:
      c.Line({p.x - 2, p.y - 2}, {p.x + 3, p.y + 3});
      c.Line({p.x - 2, p.y + 2}, {p.x + 3, p.y - 3});
      break;
    case 5: c.Rectangle({p.x - 2, p.y - 2, p.x + 3, p.y + 3}); break;
    case 6: c.Line(p, {p.x + 1, p.y + 1}); break;
    default:
      if (style < 0)
        c.Ellipse({p.x - 3, p.y - 3, p.x + 4, p.y + 4});
      else
        c.Rectangle({p.x - 1, p.y - 1, p.x + 2, p.y + 2});  // unknown codes: shape 1
  }
}

void DrawSegment(const DrawContext& ctx, WorldPoint a, WorldPoint b, int32_t colour,
                 int32_t style) {
  WorldPoint from, to;
  if (!ClipSegment(ctx.clip, a, b, from, to)) return;
  Canvas& c = ctx.canvas;
  c.SetPen(LineStylePen(style, colour));
  c.SetBrush({ctx.doc.backgroundColour, true});
  const PixelPoint pa = ctx.Pixel(from), pb = ctx.Pixel(to);
  c.Line(pa, pb);
  c.SetPixel(pb, colour);
}

void DrawFullLine(const DrawContext& ctx, WorldPoint a, WorldPoint b, int32_t colour,
                  int32_t style) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  WorldPoint from, to;
  if (!ClipToRect(ctx.clip, a, b, -kInf, kInf, from, to)) return;
  if (Distance(from, to) > 4) DrawSegment(ctx, from, to, colour, style);
}

void DrawRay(const DrawContext& ctx, WorldPoint a, WorldPoint b, int32_t colour, int32_t style) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  WorldPoint from, to;
  if (!ClipToRect(ctx.clip, a, b, 0, kInf, from, to)) return;
  const bool startsInside = from.x == a.x && from.y == a.y;
  if (startsInside || Distance(from, to) > 4) DrawSegment(ctx, from, to, colour, style);
}

}  // namespace velt
