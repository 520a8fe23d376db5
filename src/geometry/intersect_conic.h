#pragma once
// Where a line, segment or ray cuts a conic, and where two conics meet.
#include <array>

#include "geometry/intersect_hits.h"

namespace velt {

// A x^2 + B xy + C y^2 + D x + E y + F = 0 as {A, B, C, D, E, F}.
using SixCoefficients = std::array<double, 6>;

// The line through a and b with the conic; solutions ordered along a -> b as for circles.
CurveHits LineConic(Pt a, Pt b, const SixCoefficients& k);
CurveHits SegmentConic(Pt a, Pt b, const SixCoefficients& k, double viewScale = 1);
CurveHits RayConic(Pt a, Pt b, const SixCoefficients& k, double viewScale = 1);

// Up to four distinct common points of two conics.
struct ConicHits {
  int count = 0;
  std::array<Pt, 4> point{};
};

// The common points of two conics, found through the degenerate members of their pencil.
// Points are numbered by their direction seen from the first conic's centre, counter-clockwise
// from +x (for a parabola: along the direction across its axis), so that each keeps its index
// while the conics move, except where two of them meet. Conics with the same coefficients (or
// proportional ones) have no common points.
ConicHits ConicConic(const SixCoefficients& k1, const SixCoefficients& k2);

// The value of the conic's equation at p.
double ConicValue(const SixCoefficients& k, Pt p);

}  // namespace velt
