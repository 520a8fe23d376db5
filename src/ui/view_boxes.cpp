#include "ui/view_boxes.h"

#include "view/element_box.h"

namespace velt {

BoxOf ViewBoxes(const Workspace& ws, std::shared_ptr<const TextMeasure> measure, int screenDpi) {
  return [&ws, measure = std::move(measure), screenDpi](const Element& e) -> std::optional<Box> {
    const Document& d = ws.doc();
    const auto r = ElementBox(d, e, MappingOf(d), *measure, screenDpi, &ws.language);
    if (!r) return std::nullopt;
    return Box{r->left, r->top, r->right, r->bottom};
  };
}

}  // namespace velt
