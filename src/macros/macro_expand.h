#pragma once
// The expansion of a macro's initial elements: a segment, vector, circle, arc, axes or conic
// brings along the points (and axis lines) it was built on, so that a recording and an
// application number the same elements.
#include <vector>

#include "model/element.h"

namespace velt {

// The list followed by, for each element in order, the elements it brings along. Missing
// parents are skipped.
std::vector<Element*> ExpandInitials(const std::vector<Element*>& picks);

}  // namespace velt
