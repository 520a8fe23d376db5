#pragma once
// How wide and high a text is in a font. The window measures with its own font metrics; the
// core (tests, the command-line tool) with a fixed pitch, so that boxes are the same on every
// machine.
#include <string_view>

#include "view/canvas.h"

namespace velt {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual TextExtent Measure(std::string_view text, const TextFont& font) const = 0;
};

// Every byte as wide as two thirds of the font size plus one pixel; a line as high as four
// thirds of the size plus two.
class FixedPitchMeasure final : public TextMeasure {
 public:
  TextExtent Measure(std::string_view text, const TextFont& font) const override;
};

// The measure of a picture being drawn on.
class CanvasMeasure final : public TextMeasure {
 public:
  explicit CanvasMeasure(Canvas& canvas) : canvas_(canvas) {}
  TextExtent Measure(std::string_view text, const TextFont& font) const override {
    return canvas_.MeasureText(text, font);
  }

 private:
  Canvas& canvas_;
};

}  // namespace velt
