#pragma once
// The nodes of a grid (kind 61): where a point on the grid may stand.
#include <optional>

#include "ui/plane_math.h"

namespace velt {

struct GridNode {
  double u = 0, v = 0;  // coordinates in units of the grid's axes
  Vec2 at;              // the node in the plane
};

// The node nearest to k of a rectangular grid; nullopt when the grid has no axes or units.
std::optional<GridNode> NearestGridNode(const Element& grid, Vec2 k);

}  // namespace velt
