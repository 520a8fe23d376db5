#pragma once
// Moving elements under the pointer or by the arrow keys, each by the drag rule of its kind:
// a free point or a text moves itself, a point on an element stays on it, a label-like
// element or a name moves its label, a line through one point turns, a circle given by its
// centre changes its radius, an angle mark its arc; everything else moves through the free
// points it is built on.
#include <vector>

#include "geometry/primitives.h"
#include "model/element.h"

namespace velt {

struct MoveLimits {
  double nameDistance = 50;  // the longest offset of a name from its element
};

// What a move changes, as it was when the move started.
struct MoveStart {
  std::array<double, 4> value{};
  int32_t textX = 0, textY = 0;
};
MoveStart StartOf(const Element& e);

// Whether the element's own rule moves it (rather than its free ancestors).
bool MovesItself(const Element& e);
// Whether the arrow keys move the element itself: points, texts, bitmaps, labels and names.
bool MovesByKeys(const Element& e);

// Moves an element that moves itself: `shift` is the displacement since the start of the
// move, `target` the position the rule follows (the pointer, or the start moved by shift).
void MoveItself(Element& e, const MoveStart& start, Pt shift, Pt target, const MoveLimits& limits);

// The free points (and free texts and bitmaps) an element is built on, each once, in the
// order found; `seen` carries over between calls.
void CollectFreeAncestors(Element* e, std::vector<Element*>& out, std::vector<Element*>& seen);

}  // namespace velt
