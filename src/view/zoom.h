#pragma once
// The zoom tool: it scales the construction's own data about a centre; the mapping to the
// screen stays as it is.
#include "model/document.h"
#include "view/viewport.h"

namespace velt {

// The factor for a pointer move of dy plane units (up enlarges).
inline double ZoomFactor(double dy) { return 1 + 0.003 * dy; }

// Applies |factor| about the centre: free points, fixed-radius circles, points on lines
// given by a distance, name labels of lines and rays, and the unit lengths of axes. The
// caller recomputes and redraws.
void ZoomFigure(Document& doc, WorldPoint centre, double factor);

}  // namespace velt
