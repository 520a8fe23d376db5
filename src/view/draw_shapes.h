#pragma once
// Drawing routines shared by the element types: point shapes, segments, full lines,
// circles and sampled arcs, all in world coordinates.
#include <utility>
#include <vector>

#include "view/draw_context.h"

namespace velt {

// Point shape 1..6, or a halo (-1..-4). Nothing outside the view rectangle.
void DrawPointShape(const DrawContext& ctx, double x, double y, int32_t colour, int32_t style);
// The segment clipped to the view, with its end pixel.
void DrawSegment(const DrawContext& ctx, WorldPoint a, WorldPoint b, int32_t colour, int32_t style);
// The whole line through a and b, across the view.
void DrawFullLine(const DrawContext& ctx, WorldPoint a, WorldPoint b, int32_t colour,
                  int32_t style);
// The ray from a through b.
void DrawRay(const DrawContext& ctx, WorldPoint a, WorldPoint b, int32_t colour, int32_t style);
// A circle with the small, large and huge paths; with look.fillOnly only its fill.
void DrawCircle(const DrawContext& ctx, WorldPoint centre, double radius, const Look& look);
// A polyline along the arc of the circle from angle start counter-clockwise by sweep.
void SampleArc(const DrawContext& ctx, WorldPoint centre, double radius, double start, double sweep,
               int32_t colour, int32_t style);
// Pieces (start, sweep) of the arc that lie inside the circle around the view.
std::vector<std::pair<double, double>> ArcInsideView(const DrawContext& ctx, WorldPoint centre,
                                                     double radius, double start, double sweep);
// The box of a circle of f pixels around a pixel centre.
PixelBox CircleBox(PixelPoint c, long long f, int extra = 1);

}  // namespace velt
