#pragma once
// A locus driven by a point on a grid (kind 62): the driver visits the grid's nodes that lie
// in the document's view rectangle, so the samples follow the view.
#include <cstdint>
#include <vector>

#include "model/document.h"

namespace velt {

// The most nodes one grid sweep visits: a zoomed-out view over a fine grid stops here.
inline constexpr int32_t kMaxGridLocusSamples = 10000;

// A node in units of the grid's axes (the driver's value3, value4).
struct GridSweepNode {
  double u = 0, v = 0;
};

// Whether the locus is driven by a point on a grid.
bool DrivenByGrid(const Element& locus);
// Whether a point on a grid can run: its grid and the grid's axes exist.
bool GridDriverUsable(const Element& gridPoint);
// The nodes of the point's grid inside the view, row by row from the top-left corner of the
// view, left to right, at most kMaxGridLocusSamples of them.
std::vector<GridSweepNode> GridSweepNodes(const Document& doc, const Element& gridPoint);
// Whether the document holds a locus whose samples follow the view (a grid driver).
bool HasViewDependentLocus(const Document& doc);

}  // namespace velt
