#include "view/parametric_colour.h"

#include <cmath>
#include <cstdlib>

namespace velt {
namespace {

constexpr double kWhole = 0.0001;  // a fractional part below this counts as a whole number
constexpr int32_t kNumberInError = -100;

int Component(double x) { return static_cast<int>(std::trunc(x * 255.0)); }

double ScaleHue(int32_t m) {
  double hue = (m - 3) / 98.0 * kHueReach * 360.0;
  if (hue < 0) hue += 360.0;
  return hue;
}

int64_t ScaleOf(int32_t mode) { return std::llabs(static_cast<int64_t>(mode)); }

bool TakesFill(int32_t type) {
  return type == kTypePolygon || type == kTypeCircle || type == kTypeAngle ||
         type == kTypeIteration;
}

}  // namespace

double ScalePositionOfValue(double v) {
  const double f = std::fabs(v - std::trunc(v));
  if (f >= kWhole) return f;
  // A whole number (a NaN or an infinity ends here too, at the scale's start).
  const double half = v / 2.0;
  return std::fabs(half - std::trunc(half)) >= kWhole ? 1.0 : 0.0;
}

double ScalePosition(const Element& number) {
  if (number.attr1 == kNumberInError) return 0.0;
  return ScalePositionOfValue(number.value[0]);
}

int32_t ColourFromHsv(double hue, double saturation, double brightness) {
  double r = brightness, g = brightness, b = brightness;
  if (saturation != 0) {
    double h = std::fmod(hue, 360.0);
    if (h < 0) h += 360.0;
    const double sector = h / 60.0;
    const int i = static_cast<int>(std::floor(sector)) % 6;
    const double f = sector - std::floor(sector);
    const double v = brightness, s = saturation;
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (i) {
      case 0: r = v, g = t, b = p; break;
      case 1: r = q, g = v, b = p; break;
      case 2: r = p, g = v, b = t; break;
      case 3: r = p, g = q, b = v; break;
      case 4: r = t, g = p, b = v; break;
      default: r = v, g = p, b = q; break;
    }
  }
  return Component(r) + 256 * Component(g) + 65536 * Component(b);
}

std::optional<int32_t> ScaleColour(int32_t mode, double s) {
  const int64_t m = ScaleOf(mode);
  if (m == kHueScale) return ColourFromHsv(s * 360.0 * kHueReach, 1, 1);
  if (m == kGreyScale) return ColourFromHsv(0, 0, 1 - s);
  if (m >= kSaturationScaleFirst && m <= kSaturationScaleLast)
    return ColourFromHsv(ScaleHue(static_cast<int32_t>(m)), s, 1);
  if (m >= kBrightnessScaleFirst && m <= kBrightnessScaleLast)
    return ColourFromHsv(ScaleHue(static_cast<int32_t>(m - 100)), 1, s);
  return std::nullopt;
}

std::optional<int32_t> ParametricColourOf(const Element& e) {
  if (!e.colourSource) return std::nullopt;
  return ScaleColour(e.colourMode, ScalePosition(*e.colourSource));
}

void ApplyParametricColour(Element& e) {
  const auto c = ParametricColourOf(e);
  if (!c) return;
  if (e.colourMode > 0) {
    e.colour = *c;
    return;
  }
  const int32_t type = e.type();
  if (TakesFill(type))
    e.attr1 = *c;
  else if (IsTextLikeType(type))
    e.style = *c;
}

}  // namespace velt
