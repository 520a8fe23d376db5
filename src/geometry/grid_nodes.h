#pragma once
// The nodes of a grid (kind 61): where a point on the grid (kind 62) may stand.
#include <optional>

#include "geometry/primitives.h"
#include "model/element.h"

namespace velt {

// The spacing of a grid's nodes: its origin, and the step between nodes in grid units (the
// axes' unit times the nice tick count) and in the plane.
struct GridSpacing {
  Pt origin;
  double ticksX = 0, ticksY = 0;  // grid units between nodes
  double stepX = 0, stepY = 0;    // plane units between nodes
};
// The spacing of the grid drawn on these axes; nothing without axes or usable units.
std::optional<GridSpacing> GridSpacingOf(const Element& axes);

struct GridNode {
  double u = 0, v = 0;  // coordinates in units of the grid's axes
  Pt at;                // the node in the plane
};

// The node of a grid nearest to k; nothing when the grid has no axes or units.
std::optional<GridNode> NearestGridNode(const Element& grid, Pt k);

}  // namespace velt
