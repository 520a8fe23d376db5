#pragma once
// Whether an element meets a selection rectangle, by its type.
#include "ui/detection.h"

namespace velt {

// r is normalised (left < right, bottom < top).
bool MeetsRectangle(const Element& e, const Box& r, const BoxOf& boxOf);

}  // namespace velt
