#include "view/text_measure.h"

namespace velt {

TextExtent FixedPitchMeasure::Measure(std::string_view text, const TextFont& font) const {
  const int h = font.size * 4 / 3 + 2;
  return {static_cast<int>(text.size()) * (font.size * 2 / 3 + 1), h, h * 4 / 5};
}

}  // namespace velt
