#pragma once
// What the window draws over the picture of the document, as plain data: the picks of the
// gesture, the element being built, the highlight of what lies under the pointer and the
// cursor message. The window only paints it.
#include <optional>
#include <string>
#include <vector>

#include "ui/interaction.h"
#include "view/draw_context.h"
#include "view/viewport.h"

namespace velt {

enum class OverlayRole : int8_t {
  Pick,       // a pick of the gesture, in the selection colour
  Preview,    // the element being built, computed for the pointer
  Halo,       // the selection-coloured halo under a highlighted element
  Highlight,  // what lies under the pointer, drawn again over its halo
};

struct OverlayMark {
  OverlayRole role = OverlayRole::Preview;
  const Element* element = nullptr;  // in the document, or owned by the overlay
  Look look;
};

struct Overlay {
  // Previews, the points standing for the pointer (never drawn) and the crossing offered.
  std::vector<ElementPtr> owned;
  std::vector<OverlayMark> marks;  // in drawing order
  CursorMessage message;
  std::optional<WorldRect> rectangle;  // the selection rectangle being drawn
};

// The plane rectangle of a selection rectangle, its corners in any order; nothing when none
// is being drawn.
std::optional<WorldRect> RectangleOf(const SelectionRect& r);

// The overlay for the interaction's current state. The picks are in it while their blink is
// on, or always with `picksShown`.
Overlay BuildOverlay(const Interaction& ix, const Document& doc, bool picksShown);
inline Overlay BuildOverlay(const Interaction& ix, const Document& doc) {
  return BuildOverlay(ix, doc, ix.blinkOn());
}

// One line per mark that is not a halo ("preview 19 0 0 100 0": role, kind, the four values)
// and one for a visible cursor message ("message Punto A").
std::vector<std::string> DescribeOverlay(const Overlay& overlay);

}  // namespace velt
