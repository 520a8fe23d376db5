#include "ui/insert_picture.h"

#include "geometry/recompute.h"
#include "model/element_list.h"
#include "model/undo.h"
#include "view/canvas.h"

namespace velt {

PictureCheck CheckPictureSize(int width, int height) {
  if (width <= 0 || height <= 0) return PictureCheck::kNotAPicture;
  if (width > kMaxPictureSide || height > kMaxPictureSide ||
      int64_t{width} * height > kMaxPicturePixels)
    return PictureCheck::kTooLarge;
  return PictureCheck::kOk;
}

PictureCheck CheckPicture(const Picture& picture) {
  int w = 0, h = 0;
  if (!PictureSize(picture, w, h)) return PictureCheck::kNotAPicture;
  return CheckPictureSize(w, h);
}

bool CarriesPicture(const Element& e) {
  const int32_t t = e.type();
  return t == kTypePoint || t == kTypeSegment || t == kTypeVector;
}

Element* AddPictureElement(Document& doc, Picture picture, Element* anchor,
                           const CreationSettings& settings) {
  ElementTemplate t;
  t.kind = kBitmap;
  t.parent[0] = anchor;
  if (!anchor) t.value = {doc.viewLeft, doc.viewTop, 0, 0};
  Element* e = MakeElementFromTemplate(doc, t, settings);
  if (BitmapExt* ext = e->as<BitmapExt>()) ext->picture = std::move(picture);
  RecomputeElement(*e, RuleContext{&doc});
  return e;
}

Element* PastePicture(Document& doc, Picture picture, const CreationSettings& settings) {
  if (CheckPicture(picture) != PictureCheck::kOk) return nullptr;
  StoreUndoStep(doc);
  Element* only = nullptr;
  int selected = 0;
  ForEachDeep(doc.elements(), [&](const Element& e) {
    if (!e.selected) return;
    ++selected;
    only = const_cast<Element*>(&e);
  });
  Element* anchor = selected == 1 && CarriesPicture(*only) ? only : nullptr;
  Element* e = AddPictureElement(doc, std::move(picture), anchor, settings);
  e->selected = 1;
  return e;
}

}  // namespace velt
