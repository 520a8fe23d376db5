#pragma once
// Coordinate axes and grids: the tick step and where ticks and grid points fall.
#include <vector>

#include "view/draw_context.h"

namespace velt {

// Step count k (1, 2 or 5 times a power of ten) for a unit length of u world units, so that
// k × u is at most about 60 units. 0 for a unit that is not a positive number.
double NiceTickCount(double unit);

// Positions along an axis through origin (its coordinate o on that axis) of the ticks
// between lo and hi, the origin's own tick left out.
std::vector<double> TickPositions(double o, double lo, double hi, double spacing);

// Grid points in the clip rectangle, column by column (rectangular system).
std::vector<WorldPoint> RectangularGridPoints(WorldPoint origin, double sx, double sy,
                                              const WorldRect& clip);
// Grid points on circles around the origin (polar system). On the thumbnail the circles
// start at the origin, run to 9999 and keep a fixed angular step.
std::vector<WorldPoint> PolarGridPoints(WorldPoint origin, double sx, double sy,
                                        const WorldRect& clip, bool thumbnail);

}  // namespace velt
