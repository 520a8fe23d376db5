// The document's animation list: adding and removing entries, and the tick that moves them.
#include <algorithm>

#include "anim/animation.h"
#include "geometry/recompute.h"

namespace velt {

Animation* FindAnimation(Figure& figure, const Element* e) {
  for (Animation& a : figure.animations)
    if (a.element == e) return &a;
  return nullptr;
}

AnimationToggle ToggleAnimation(Figure& figure, Element& e) {
  auto& list = figure.animations;
  const auto at =
      std::find_if(list.begin(), list.end(), [&](const Animation& a) { return a.element == &e; });
  if (at != list.end()) {
    list.erase(at);
    return AnimationToggle::Removed;
  }
  if (static_cast<int>(list.size()) >= kMaxAnimations) return AnimationToggle::Full;
  list.push_back(Animation{&e});
  return AnimationToggle::Added;
}

int PruneAnimations(Figure& figure) {
  return static_cast<int>(std::erase_if(figure.animations, [](const Animation& a) {
    return !a.element || !IsAnimatable(*a.element);
  }));
}

bool AnimationTick(Document& doc) {
  auto& list = doc.figure->animations;
  if (list.empty()) return false;
  for (Animation& a : list)
    if (a.playing) AdvanceEntry(a);
  doc.modified = 1;
  RecomputeAll(doc);
  return true;
}

}  // namespace velt
