#pragma once
// The recompute pass: elements are recomputed from their parents in list order.
#include "geometry/rules.h"
#include "model/dependents.h"

namespace velt {

// What the pass asks of the view once it has recomputed.
class RecomputeObserver {
 public:
  virtual ~RecomputeObserver() = default;
  // Draw the document; with stopAt set, only the elements before it.
  virtual void Redraw(const Document& doc, const Element* stopAt) = 0;
  // Run detection under the mouse cursor again.
  virtual void RefreshCursor() = 0;
};

// True for the kinds whose values are set from outside (free points, parameters, texts,
// buttons) or by their owner (sides, axis lines, coordinate numbers).
bool IsNotComputed(int32_t kind);
// Recomputes one element by its kind: parent test, then the kind's rule.
void RecomputeElement(Element& e, const RuleContext& ctx);
// A set abort flag makes the remaining evaluations of the pass fail at once.
void RecomputeAll(Document& doc, const Element* stopAt = nullptr, bool refreshCursor = false,
                  RecomputeObserver* observer = nullptr, const std::atomic<bool>* abort = nullptr);
void RecomputeMarked(Document& doc, bool refreshCursor = false,
                     RecomputeObserver* observer = nullptr,
                     const std::atomic<bool>* abort = nullptr);
// The marked elements while a drag moves `dragged` (null for a dragged selection).
void RecomputeDragged(Document& doc, const Element* dragged);

}  // namespace velt
