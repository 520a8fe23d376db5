#pragma once
// How world lengths, areas and angles in radians become the numbers the user reads: a
// length is divided by the document's pixels per centimetre and multiplied by the factor of
// its length unit; an angle is multiplied by the factor of the angle unit.
#include <array>
#include <cstdint>
#include <numbers>

namespace velt {

struct Document;

enum LengthUnit : int32_t { kMillimetre = 0, kCentimetre = 1, kMetre = 2, kKilometre = 3 };
enum AngleUnit : int32_t { kRadian = 0, kDegree = 1, kGrad = 2 };

// Per centimetre: mm 10, cm 1, m 0.01, km 0.00001.
inline constexpr std::array<double, 4> kLengthFactors{10, 1, 0.01, 0.00001};
// From radians: RAD 1, DEG 180/pi, GRA 200/pi.
inline constexpr std::array<double, 3> kAngleFactors{1, 180 / std::numbers::pi,
                                                     200 / std::numbers::pi};

// The factor of a unit code; a code outside the table (a damaged file) counts as cm or RAD.
double LengthFactor(int32_t lengthUnit);
double AngleFactor(int32_t angleUnit);

// A world length or area in the document's length unit, an angle in radians in its angle
// unit. A document without a usable scale (not a positive finite number) gives NaN, which
// the rules turn into an undefined measure.
double UserLength(const Document& doc, double worldLength);
double UserArea(const Document& doc, double worldArea);
double UserAngle(const Document& doc, double radians);

}  // namespace velt
