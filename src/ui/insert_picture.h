#pragma once
// Pictures that come in as bitmap elements (kind 67): pasted from the clipboard, or chosen
// from a file by the tool "Insertar bitmap".
#include <cstdint>

#include "model/create.h"
#include "model/document.h"

namespace velt {

// A picture larger than this on either side, or with more pixels than kMaxPicturePixels,
// is refused: it would be held in the document, every undo step and every file.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr int64_t kMaxPicturePixels = 4096 * 4096;

enum class PictureCheck { kOk, kNotAPicture, kTooLarge };
PictureCheck CheckPicture(const Picture& picture);
PictureCheck CheckPictureSize(int width, int height);

// Points, segments and vectors carry a picture: at the point, or stretched along the segment.
bool CarriesPicture(const Element& e);

// Appends a bitmap element holding the picture: on the anchor, or, without one, with its
// corner at the top-left corner of the document's view. Recomputed, not selected.
Element* AddPictureElement(Document& doc, Picture picture, Element* anchor,
                           const CreationSettings& settings);

// "Pegar imagen": one undo step, then the bitmap on the one selected point, segment or
// vector, or at the view's corner when the selection is anything else; left selected.
// Null, with the document untouched, when the picture is not one or too large.
Element* PastePicture(Document& doc, Picture picture, const CreationSettings& settings);

}  // namespace velt
