#include "ui/grid_node.h"

#include <cmath>

#include "view/axes_grid.h"

namespace velt {

std::optional<GridNode> NearestGridNode(const Element& grid, Vec2 k) {
  const Element* axes = grid.parent[0];
  const auto* ext = axes ? axes->as<AxesExt>() : nullptr;
  if (!ext || !axes->parent[0]) return std::nullopt;
  const Vec2 o = PointOf(*axes->parent[0]);
  const double kx = NiceTickCount(ext->xUnit), ky = NiceTickCount(ext->yUnit);
  const double sx = kx * ext->xUnit, sy = ky * ext->yUnit;
  if (!(sx > 0) || !(sy > 0) || !std::isfinite(sx) || !std::isfinite(sy)) return std::nullopt;
  const double i = std::round((k.x - o.x) / sx), j = std::round((k.y - o.y) / sy);
  return GridNode{i * kx, j * ky, {o.x + i * sx, o.y + j * sy}};
}

}  // namespace velt
