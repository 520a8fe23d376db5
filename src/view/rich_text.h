#pragma once
// Layout of a rich text: lines stacked downwards, each written run by run on one baseline.
#include <string>
#include <vector>

#include "model/element.h"
#include "view/canvas.h"
#include "view/text_measure.h"

namespace velt {

struct RichTextPiece {
  std::string text;
  TextFont font;
  int32_t colour = 0;
  int x = 0;       // from the text's left edge
  int ascent = 0;  // of the piece's font
};

struct RichTextLine {
  std::vector<RichTextPiece> pieces;
  int top = 0, height = 0, ascent = 0, width = 0;
};

struct RichTextLayout {
  std::vector<RichTextLine> lines;
  int width = 0, height = 0;  // the element's box
};

RichTextLayout LayOutRichText(const TextMeasure& measure, const TextExt& text, int screenDpi);

}  // namespace velt
