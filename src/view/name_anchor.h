#pragma once
// Where a name label (kind 48) stands. A label is tied to an anchor on the element it names
// and stands at its own offset (value1, value2) from that anchor. Drawing, detection and
// dragging all place labels through here.
//
// Anchors: a point at its position; an angle mark at its vertex; a line or ray at the point
// whose position along it (a fraction of its two defining points, kept on a ray from its
// origin on) is the label's value3; a segment or vector likewise, kept between its ends; a
// polygon at its first vertex; a circle at the point at angle value3 on it; an arc at its
// middle point; a conic or locus at its first drawn sample; axes and grids at the origin.
#include <optional>

#include "model/element.h"
#include "view/viewport.h"

namespace velt {

// The anchor of a name element on the element it names; nullopt when there is none (no
// named element, or one that shows its name elsewhere, as numbers do in their own text).
std::optional<WorldPoint> NameAnchor(const Element& name);

// The top-left corner of the label's text: its anchor moved by its offset.
std::optional<WorldPoint> NameLabelPosition(const Element& name);

// Moves a label so that its text starts at `wanted`: on a line, ray, segment or vector the
// anchor first moves to the foot of the perpendicular from `wanted` (on a circle to the
// point in its direction); the offset from the anchor then follows, shortened along its own
// direction to `maxOffset` when it is longer. False when the label has no anchor.
bool PlaceNameLabel(Element& name, WorldPoint wanted, double maxOffset);

}  // namespace velt
