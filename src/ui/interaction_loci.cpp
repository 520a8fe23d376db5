// Loci and traces in the interaction: dragging a traced point through its locus's driver,
// and switching every trace off at once (the marks already painted stay until the traces
// are cleared from the picture).
#include "geometry/locus_sampling.h"
#include "geometry/recompute.h"
#include "model/dependents.h"
#include "ui/host.h"
#include "ui/interaction.h"

namespace velt {

void Interaction::DisableAllTraces() {
  if (doc().figure->traces.empty()) return;
  // An open gesture already stored its step.
  if (!snapshotTaken_ && pickCounter_ == 0) StoreStep();
  doc().figure->traces.clear();
  RunDetection(pointer_);
  host_.CommandsChanged();  // undo is offered now, and the entry itself is not
  host_.Repaint();
}

bool Interaction::StartLocusDrag(Element& e) {
  // Points that move by themselves are dragged as they are.
  if (e.type() != kTypePoint || e.kind == kFreePoint || e.kind == kPointOnElement ||
      e.kind == kPointOnGrid)
    return false;
  const Element* locus = LocusTracing(doc(), e);
  if (!locus) return false;
  Element& driver = *locus->parent[1];
  locusDrag_ = locus;
  movers_.clear();
  ClearMarks(doc().elements());
  if (!IsNotComputed(driver.kind)) driver.mark = 1;
  MarkDependents(doc(), driver);
  dragging_ = true;
  ClearDetection();
  return true;
}

void Interaction::LocusDragStep(Pt at) {
  DragDriverAlongLocus(doc(), *locusDrag_, Pt{at.x, at.y});
  doc().modified = 1;
  RecomputeDragged(doc(), DraggedElement());
  host_.Repaint();
}

}  // namespace velt
