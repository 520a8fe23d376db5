#include "geometry/grid_nodes.h"

#include <cmath>

#include "geometry/element_points.h"
#include "view/axes_grid.h"

namespace velt {

std::optional<GridSpacing> GridSpacingOf(const Element& axes) {
  const auto* ext = axes.as<AxesExt>();
  if (!ext) return std::nullopt;
  GridSpacing g;
  if (axes.parent[0]) {
    g.origin = PointA(*axes.parent[0]);
  } else if (ext->xAxis) {
    g.origin = PointA(*ext->xAxis);
  }
  g.ticksX = NiceTickCount(ext->xUnit);
  g.ticksY = NiceTickCount(ext->yUnit);
  g.stepX = g.ticksX * ext->xUnit;
  g.stepY = g.ticksY * ext->yUnit;
  if (!(g.stepX > 0) || !(g.stepY > 0) || !std::isfinite(g.stepX) || !std::isfinite(g.stepY))
    return std::nullopt;
  return g;
}

std::optional<GridNode> NearestGridNode(const Element& grid, Pt k) {
  const Element* axes = grid.parent[0];
  const auto g = axes ? GridSpacingOf(*axes) : std::nullopt;
  if (!g) return std::nullopt;
  const double i = std::round((k.x - g->origin.x) / g->stepX);
  const double j = std::round((k.y - g->origin.y) / g->stepY);
  return GridNode{
      i * g->ticksX, j * g->ticksY, {g->origin.x + i * g->stepX, g->origin.y + j * g->stepY}};
}

}  // namespace velt
