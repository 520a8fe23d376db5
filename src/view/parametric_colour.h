#pragma once
// Colours that follow a number: the position on a colour scale from the number's value, the
// scales themselves, and where the result goes (outline, fill or text background).
#include <cstdint>
#include <optional>

#include "model/element.h"

namespace velt {

// The scale of a parametric colour: |colourMode|.
inline constexpr int32_t kHueScale = 1;
inline constexpr int32_t kGreyScale = 2;
inline constexpr int32_t kSaturationScaleFirst = 3;  // 3..102: saturation at a fixed hue
inline constexpr int32_t kSaturationScaleLast = 102;
inline constexpr int32_t kBrightnessScaleFirst = 103;  // 103..201: brightness at a fixed hue
inline constexpr int32_t kBrightnessScaleLast = 201;
// The hue scale stops short of red again: hues run over 0.84 of the circle.
inline constexpr double kHueReach = 0.84;

// The position 0..1 on the scale that the number's value gives: its fractional part, or for
// a whole number 1 when it is odd and 0 when it is even; 0 for a number in error.
double ScalePosition(const Element& number);
double ScalePositionOfValue(double v);

// The standard HSV model: hue in degrees, saturation and brightness 0..1; 0x00BBGGRR.
int32_t ColourFromHsv(double hue, double saturation, double brightness);

// The colour a scale (|mode|) gives at position s; nothing for a mode that names no scale.
std::optional<int32_t> ScaleColour(int32_t mode, double s);

// The colour the element's colour source gives it now; nothing without a usable source.
std::optional<int32_t> ParametricColourOf(const Element& e);

// Writes the parametric colour into the field it drives: the outline colour for a positive
// mode; for a negative one the fill of polygons, circles, angles and iterations, or the
// background of elements that show a text. Nothing without a colour source.
void ApplyParametricColour(Element& e);

}  // namespace velt
