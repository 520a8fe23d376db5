// Switching every trace off at once. The marks already painted stay until the traces are
// cleared from the picture.
#include "ui/host.h"
#include "ui/interaction.h"

namespace velt {

void Interaction::DisableAllTraces() {
  if (doc().figure->traces.empty()) return;
  // An open gesture already stored its step.
  if (!snapshotTaken_ && pickCounter_ == 0) StoreStep();
  doc().figure->traces.clear();
  RunDetection(pointer_);
  host_.Repaint();
}

}  // namespace velt
