#pragma once
// Putting a construction list into an order where every element's parents come before it.
#include "model/document.h"

namespace velt {

// Reorders the list, stably, so that every element (with its sub-elements) comes after the
// elements it refers to; the colour source is the one reference that may follow. References
// that form a cycle (an element that refers to itself, or a chain of references that comes
// back to where it started) cannot be ordered: of those, each one that points to an element
// stored at the same place or later is cut. Returns the number of references cut.
int OrderParentsFirst(ElementList& list);

}  // namespace velt
