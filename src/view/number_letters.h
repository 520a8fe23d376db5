#pragma once
// The numbers an expression being edited references, framed and lettered on the picture: a
// solid one-pixel frame in the selection colour around each number's displayed text, and its
// letter in lower case beside it in the number's label font.
#include <span>
#include <string>

#include "view/draw_context.h"
#include "view/text_measure.h"

namespace velt {

struct LetteredNumber {
  const Element* number = nullptr;
  std::string letter;  // "a", "b", ...
};

void DrawNumberLetters(const DrawContext& ctx, std::span<const LetteredNumber> numbers,
                       const TextMeasure& measure);

}  // namespace velt
