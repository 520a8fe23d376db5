#pragma once
// Animation: elements of the document's animation list move by themselves, one step per tick.
// A point runs along its carrier, a line or ray through a point turns about it, a circle
// given by its centre breathes and a parameter sweeps its range; after every tick the whole
// figure is recomputed.
#include "model/document.h"

namespace velt {

// The kinds that can be animated: points on elements, lines and rays through a point,
// circles given by their centre, parameters.
bool IsAnimatable(const Element& e);

// The signed step of an entry: s = speed / 10, negated when reversed; the step is |s| * s,
// so it grows with the square of the speed. Speeds outside 0..100 count as their bound.
double AnimationStep(const Animation& a);

// Moves the entry's element by one step. Bounces toggle the entry's reversed flag. An
// element that does not exist, or whose carrier has no length to move along, stays still;
// nothing is ever made non-finite.
void AdvanceEntry(Animation& a);

// The entry of an element, or null.
Animation* FindAnimation(Figure& figure, const Element* e);

enum class AnimationToggle { Added, Removed, Full };
// Removes the element's entry when it has one, else appends a new entry with the defaults
// (ignored when the list is full).
AnimationToggle ToggleAnimation(Figure& figure, Element& e);

// Drops the entries whose element is missing or can no longer be animated (its kind was
// changed by a redefinition). Returns how many went.
int PruneAnimations(Figure& figure);

// One tick: advances every playing entry whose element exists, marks the document modified
// and recomputes the whole figure. Does nothing with an empty list (returns false).
bool AnimationTick(Document& doc);

}  // namespace velt
