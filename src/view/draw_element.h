#pragma once
// Drawing of one element by its type.
#include "view/draw_types.h"

namespace velt {

// The routine of a type; null for types that draw nothing (intersections) or whose drawing
// comes with their own feature (loci, graphs, tables).
DrawRoutine DrawRoutineOf(int32_t type);
void DrawElement(const DrawContext& ctx, const Element& e, const Look& look);

}  // namespace velt
