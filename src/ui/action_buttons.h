#pragma once
// Action buttons: a hide/show button (kind 66) gives its elements one visibility while it is
// up and the opposite while it is down; a movement button (kind 70) carries points onto
// target points when pressed and pops up again a moment later.
#include <cstdint>
#include <vector>

#include "model/document.h"

namespace velt {

// How long a pressed movement button stays down.
inline constexpr int kButtonPopUpMs = 150;

// Sets the walk mark on every element e is built from, e itself excluded: the first vertex
// of each side of a polygon, the traced element of a locus, the five points of a conic, the
// elements of an iteration, otherwise the generic parents that are not numbers (an angle of
// rotation or a distance does not move with the point). Marked elements are not walked
// again. The walk keeps its own stack, so a chain of any length is safe.
void MarkAncestors(Element& e);

// Whether the picks of the movement-button tool, taken two by two as (point to move, point
// it goes to), make a movement button: a whole number of pairs, the moved point not on a
// grid, both points, and the target neither something the moved point is built from nor
// built on it (nor on the moved point's ancestors after it). All marks are cleared after.
bool MovementPairsAcceptable(Document& doc, const std::vector<Element*>& picks);

// The states of a new hide/show button: 1 for an element hidden now, 0 for a shown one, so
// that the button, placed up, turns each element's visibility over.
std::vector<int32_t> NewHideShowStates(const std::vector<Element*>& elements);
// The states of a button redefined over these elements: with the old button up, each
// element's present visibility; down, its negation. Nothing changes when it is applied.
std::vector<int32_t> RedefinedStates(const std::vector<Element*>& elements, bool oldUp);

// Carries out the button's action for the state `up` (1 up, 0 down). Hide/show: each
// controlled element takes its state (up) or the opposite (down). Movement, down only: each
// pair moves its point onto its target in order, each from the values the pairs before it
// left; a free point takes the target's coordinates, a point on an element the parameter of
// the target's position on its carrier, any other point moves through its free ancestors by
// the offset to the target. A pair whose point or target does not exist, or whose values
// are not finite, is skipped. Returns true for a movement button, whose pop-up timer the
// caller starts (at either state). The caller recomputes.
bool ApplyButton(Document& doc, Element& b, int32_t up);

// Turns every state of a hide/show button over and applies it again in its present state;
// false (nothing done) for any other element. The caller recomputes.
bool InvertButton(Document& doc, Element& b);

// The state a press gives a button: down from up, up from anything else.
constexpr int32_t PressedState(int32_t attr2) { return attr2 == 1 ? 0 : 1; }

}  // namespace velt
