#include "geometry/measure_units.h"

#include <cmath>
#include <limits>

#include "model/document.h"

namespace velt {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool UsableScale(double ppu) { return std::isfinite(ppu) && ppu > 0; }

}  // namespace

double LengthFactor(int32_t lengthUnit) {
  return lengthUnit >= 0 && lengthUnit < 4 ? kLengthFactors[static_cast<size_t>(lengthUnit)]
                                           : kLengthFactors[kCentimetre];
}

double AngleFactor(int32_t angleUnit) {
  return angleUnit >= 0 && angleUnit < 3 ? kAngleFactors[static_cast<size_t>(angleUnit)]
                                         : kAngleFactors[kRadian];
}

double UserLength(const Document& doc, double worldLength) {
  if (!UsableScale(doc.measureScale)) return kNaN;
  return worldLength / doc.measureScale * LengthFactor(doc.lengthUnit);
}

double UserArea(const Document& doc, double worldArea) {
  if (!UsableScale(doc.measureScale)) return kNaN;
  const double f = LengthFactor(doc.lengthUnit);
  return worldArea / (doc.measureScale * doc.measureScale) * (f * f);
}

double UserAngle(const Document& doc, double radians) {
  return radians * AngleFactor(doc.angleUnit);
}

}  // namespace velt
