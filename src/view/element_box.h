#pragma once
// The drawn box of a text-like element — names, texts, numbers, functions, equations,
// coordinates, property checks, tables, buttons and bitmaps — in plane coordinates. Detection,
// picking, dragging and rectangle selection find these elements by it; the drawing places
// them with the same functions.
#include <optional>

#include "model/document.h"
#include "ui/language.h"
#include "view/canvas.h"
#include "view/text_measure.h"
#include "view/viewport.h"

namespace velt {

// A button's caption stands this far inside its frame.
inline constexpr int kButtonPadX = 6, kButtonPadY = 3;

// The box of the element as drawn on a real-size picture with the mapping `map`; nullopt
// for elements that are not text-like or show nothing (an empty text, an unreadable picture,
// a name shown inside its element's own text). Label texts come from `language` (the
// built-in table when null), as the drawing takes them.
std::optional<WorldRect> ElementBox(const Document& doc, const Element& e, const ViewMapping& map,
                                    const TextMeasure& measure, int screenDpi = 96,
                                    const LanguageTable* language = nullptr);

// Where a bitmap goes, in pixels: its corner (by the anchor code 1..9 in attr1) at its anchor
// point or its own position, or stretched between the two ends of the segment or vector it
// is attached to (then `stretched` is set). `scale` shrinks the picture (the thumbnail).
PixelBox BitmapPixelBox(const ViewMapping& map, const Element& e, int width, int height,
                        double scale, bool& stretched);

}  // namespace velt
