#pragma once
// Whether an element meets a selection rectangle, by its type.
#include "ui/detection.h"

namespace velt {

// r is normalised (left < right, bottom < top). An iteration meets it when one of its copies
// does; they are computed in the document's working copy (without a document, never).
bool MeetsRectangle(const Element& e, const Box& r, const BoxOf& boxOf,
                    const Document* doc = nullptr);

}  // namespace velt
