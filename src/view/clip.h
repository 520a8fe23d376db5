#pragma once
// Clipping of lines and segments to a rectangle, and circles meeting circles.
#include <vector>

#include "view/viewport.h"

namespace velt {

// The part of the line a + t (b − a), t in [tMin, tMax], inside the rectangle (edges
// included). False when none of it is inside or a = b.
bool ClipToRect(const WorldRect& r, WorldPoint a, WorldPoint b, double tMin, double tMax,
                WorldPoint& from, WorldPoint& to);

inline bool ClipSegment(const WorldRect& r, WorldPoint a, WorldPoint b, WorldPoint& from,
                        WorldPoint& to) {
  return ClipToRect(r, a, b, 0.0, 1.0, from, to);
}

// The part of a polygon inside the rectangle, as a polygon (Sutherland–Hodgman, one edge of
// the rectangle at a time). Empty when nothing of it is inside. Pixels are taken from
// the clipped corners, so a far corner cannot bend an edge by being clamped on its own.
std::vector<WorldPoint> ClipPolygon(const WorldRect& r, const std::vector<WorldPoint>& polygon);

// Common points of two circles (none, one when they touch, or two).
std::vector<WorldPoint> CircleCircle(WorldPoint c1, double r1, WorldPoint c2, double r2);

double Distance(WorldPoint a, WorldPoint b);

}  // namespace velt
