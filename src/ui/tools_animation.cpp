// The animation tool: each click on an element that can move by itself adds it to the
// document's animation list, or takes it out again.
#include "anim/animation.h"
#include "model/element_list.h"
#include "ui/host.h"
#include "ui/tool_gestures.h"

namespace velt {

void PressAnimation(ToolContext& c, Pt) {
  Element* under = c.UnderElement();
  if (!under || !IsAnimatable(*under)) return;
  Figure& figure = *c.doc().figure;
  const bool listed = FindAnimation(figure, under) != nullptr;
  // A full list ignores further elements.
  if (!listed && static_cast<int>(figure.animations.size()) >= kMaxAnimations) return;
  // The first entry stores one undo step, so that undo returns to the figure without any.
  Element* e = under;
  if (figure.animations.empty()) {
    Renumber(c.doc().elements());
    const int32_t number = under->number;
    c.StoreStep();
    e = FindByNumber(c.doc().elements(), number);
    if (!e) return;
  }
  const AnimationToggle done = ToggleAnimation(*c.doc().figure, *e);
  c.EndGesture();
  c.host().AnimationsChanged(done == AnimationToggle::Added ? e : nullptr);
  c.Repaint();
}

}  // namespace velt
