#pragma once
// The boxes that detection and rectangle selection find text-like elements by: those the
// view draws them in, for the workspace's current document, with a given text measure (the
// window's font metrics, or the fixed pitch of the core).
#include <memory>

#include "ui/detection.h"
#include "ui/workspace.h"
#include "view/text_measure.h"

namespace velt {

BoxOf ViewBoxes(const Workspace& ws, std::shared_ptr<const TextMeasure> measure,
                int screenDpi = 96);

}  // namespace velt
