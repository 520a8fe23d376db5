#include "geometry/locus_grid.h"

#include <algorithm>
#include <cmath>

#include "geometry/element_points.h"
#include "geometry/grid_nodes.h"

namespace velt {
namespace {

const Element* AxesOf(const Element& gridPoint) {
  const Element* grid = gridPoint.parent[0];
  if (!grid || grid->kind != kGrid || !grid->exists) return nullptr;
  const Element* axes = grid->parent[0];
  if (!axes || !axes->exists || !axes->as<AxesExt>()) return nullptr;
  return axes;
}

// Indices k of the nodes o + k × step in [lo, hi), bounded by the cap.
struct IndexRange {
  double first = 0;
  int64_t count = 0;
};

IndexRange Columns(double o, double step, double lo, double hi) {
  const double first = std::ceil((lo - o) / step);
  const double last = std::ceil((hi - o) / step);  // excluded
  if (!std::isfinite(first) || !std::isfinite(last) || !(last > first)) return {};
  return {first, static_cast<int64_t>(std::min<double>(last - first, kMaxGridLocusSamples))};
}

}  // namespace

bool DrivenByGrid(const Element& locus) {
  return locus.parent[1] && locus.parent[1]->kind == kPointOnGrid;
}

bool GridDriverUsable(const Element& gridPoint) {
  return gridPoint.kind == kPointOnGrid && AxesOf(gridPoint) != nullptr;
}

bool HasViewDependentLocus(const Document& doc) {
  for (const ElementPtr& e : doc.elements())
    if (e->kind == kLocus && DrivenByGrid(*e)) return true;
  return false;
}

std::vector<GridSweepNode> GridSweepNodes(const Document& doc, const Element& gridPoint) {
  std::vector<GridSweepNode> nodes;
  const Element* axes = AxesOf(gridPoint);
  if (!axes) return nodes;
  const auto g = GridSpacingOf(*axes);
  if (!g) return nodes;
  const Pt o = g->origin;
  const double kx = g->ticksX, ky = g->ticksY, sx = g->stepX, sy = g->stepY;
  const IndexRange cols = Columns(o.x, sx, doc.viewLeft, doc.viewRight);
  // Rows from the top edge down, the bottom edge excluded: the same count upside down.
  const IndexRange rows = Columns(-o.y, sy, -doc.viewTop, -doc.viewBottom);
  if (cols.count == 0 || rows.count == 0) return nodes;
  const int64_t total = std::min<int64_t>(cols.count * rows.count, kMaxGridLocusSamples);
  nodes.reserve(static_cast<size_t>(total));
  for (int64_t r = 0; r < rows.count; ++r) {
    const double j = -(rows.first + static_cast<double>(r));
    for (int64_t c = 0; c < cols.count; ++c) {
      if (static_cast<int64_t>(nodes.size()) == total) return nodes;
      const double i = cols.first + static_cast<double>(c);
      nodes.push_back({i * kx, j * ky});
    }
  }
  return nodes;
}

}  // namespace velt
