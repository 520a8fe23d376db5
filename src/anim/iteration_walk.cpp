#include "anim/iteration_walk.h"

#include <vector>

#include "geometry/recompute.h"

namespace velt {
namespace {

// Where a repetition starts: the point of each initial, with whether it exists.
struct Start {
  double x = 0, y = 0;
  bool exists = false;
};

// A repetition waiting on the stack; its n start values are the last n of the value stack.
struct Pending {
  int32_t level = 0;
};

}  // namespace

int64_t WalkIteration(const Document& doc, const Element& iteration,
                      const std::function<bool(const IterationVisit&)>& visit,
                      const std::atomic<bool>* abort) {
  if (!iteration.exists) return 0;
  IterationWork* w = PreparedIterationWork(doc, iteration);
  if (!w || w->rows.empty()) return 0;
  const int32_t count = w->count;
  const size_t n = w->rows.size();
  const size_t sets = w->rows.front().destinations.size();
  const bool onlyLast = IterationOptions(iteration) & kIterOnlyLast;
  const RuleContext ctx{&w->doc, abort};

  std::vector<Pending> pending;
  std::vector<Start> starts;
  pending.push_back({count});
  for (const IterationCopyRow& row : w->rows)
    starts.push_back({row.initial->value[0], row.initial->value[1], row.initial->exists != 0});

  int64_t computed = 0;
  while (!pending.empty()) {
    if (abort && abort->load(std::memory_order_relaxed)) break;
    const int32_t level = pending.back().level;
    pending.pop_back();
    const size_t base = starts.size() - n;
    bool usable = true;
    for (size_t i = 0; i < n; ++i) usable = usable && starts[base + i].exists;
    if (!usable) {
      starts.resize(base);
      continue;  // a start point that does not exist ends this branch
    }
    for (size_t i = 0; i < n; ++i) {
      Element& initial = *w->rows[i].initial;
      initial.value[0] = starts[base + i].x;
      initial.value[1] = starts[base + i].y;
    }
    starts.resize(base);
    for (Element* e : w->marked) RecomputeElement(*e, ctx);
    ++computed;
    if (level < count && (!onlyLast || level == 0)) {
      if (!visit(IterationVisit{w->doc, *w, level})) break;
    }
    if (level <= 0) continue;
    // The children go on the stack last set first, so that the first set is walked first.
    for (size_t j = sets; j-- > 0;) {
      pending.push_back({level - 1});
      for (size_t i = 0; i < n; ++i) {
        const Element& d = *w->rows[i].destinations[j];
        starts.push_back({d.value[0], d.value[1], d.exists != 0});
      }
    }
  }
  return computed;
}

int64_t ForEachDrawnCopy(
    const Document& doc, const Element& iteration,
    const std::function<bool(Element& copy, const Document& work, int32_t level)>& f) {
  const int32_t options = IterationOptions(iteration);
  int64_t copies = 0;
  WalkIteration(doc, iteration, [&](const IterationVisit& v) {
    bool go = true;
    ForEachCopyOf(v, options, [&](Element& c) {
      if (!go || !c.exists) return;
      ++copies;
      go = f(c, v.work, v.level);
    });
    return go;
  });
  return copies;
}

}  // namespace velt
