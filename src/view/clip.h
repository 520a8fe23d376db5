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

// Common points of two circles (none, one when they touch, or two).
std::vector<WorldPoint> CircleCircle(WorldPoint c1, double r1, WorldPoint c2, double r2);

double Distance(WorldPoint a, WorldPoint b);

}  // namespace velt
