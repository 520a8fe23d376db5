#pragma once
// The repetitions of an iteration: from the initial points to each destination set's points,
// again and again, as a tree walked with an explicit stack. The figure itself is the root
// (level count) and is not visited; levels count − 1 down to 0 are, s branches per level.
#include <atomic>
#include <cstdint>
#include <functional>

#include "anim/iteration.h"

namespace velt {

// One repetition reached by the walk, with the working copy holding its values.
struct IterationVisit {
  const Document& work;        // the working copy's document (rules and drawing read it)
  const IterationWork& state;  // its rows and lists
  int32_t level = 0;
};

// Walks the repetitions in drawing order (depth first, destination sets in order) and calls
// visit at each drawn one (with the only-last option, only at level 0). visit returns false to
// stop the walk. Returns the number of repetitions computed, the root included; 0 when the
// iteration does not exist or cannot be worked.
int64_t WalkIteration(const Document& doc, const Element& iteration,
                      const std::function<bool(const IterationVisit&)>& visit,
                      const std::atomic<bool>* abort = nullptr);

// The copies one repetition draws: the marked, shown elements of the working copy, points
// only with the draw-points option, whether they exist or not.
template <class F>
void ForEachCopyOf(const IterationVisit& v, int32_t options, F&& f) {
  for (Element* c : v.state.shown) {
    if (c->type() == kTypePoint && !(options & kIterDrawPoints)) continue;
    f(*c);
  }
}

// Calls f(copy, level) for every copy drawn (existing ones only) in drawing order; f returns
// false to stop. Returns the number of copies visited.
// The copies are the working copy's scratch elements: tests may read them as they like.
int64_t ForEachDrawnCopy(
    const Document& doc, const Element& iteration,
    const std::function<bool(Element& copy, const Document& work, int32_t level)>& f);

}  // namespace velt
