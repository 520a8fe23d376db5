#pragma once
// Drawing a whole document: fills first, then outlines, then points, then traces.
#include "view/draw_context.h"

namespace velt {

// True when the element is drawn at all: it exists, may be drawn, and is shown or hidden
// elements are being shown.
bool IsDrawable(const Element& e, bool showHidden);

// Draws the list from its first element up to, not including, upTo (null: all) into the
// context's picture. The picture is cleared first unless it is the printer's.
void DrawDocument(const DrawContext& ctx, const Element* upTo = nullptr);

// The main picture: the document with its traces and the pending selection rectangle.
// Sets the document's tracesDrawn flag when it has traced elements.
void RedrawAll(Document& doc, Canvas& canvas, const DrawOptions& opt,
               const Element* upTo = nullptr);

}  // namespace velt
