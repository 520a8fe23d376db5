#pragma once
// Conics through five points: the equation, the class, the canonical frame and the samples,
// and the conic routines that intersections and checks build on.
#include <array>
#include <optional>

#include "geometry/intersect_conic.h"
#include "geometry/primitives.h"
#include "model/conic_data.h"

namespace velt {

using FivePoints = std::array<Pt, 5>;

// ---- the fit ----------------------------------------------------------------

// The value of the equation at p.
double EvaluateConic(const ConicEquation& eq, Pt p);
// The same value divided by the sum of the absolute values of its six terms (0 when all
// terms are 0): how far p is from the curve, independent of the equation's scale.
double RelativeResidual(const ConicEquation& eq, Pt p);

// The conic through five points: one quadratic coefficient is fixed to 1 (C, then B, then
// A) and the other five are solved by elimination; the first normalisation that solves
// with no coefficient beyond 1e14 is taken. A..E below 1e-10 become 0. Nothing when no
// normalisation works (too many points on one line, coincident points, non-finite input).
std::optional<ConicEquation> ConicThroughPoints(const FivePoints& p);

// ---- the class --------------------------------------------------------------

// B^2 - 4AC.
double ConicDiscriminant(const ConicEquation& eq);
// The determinant of the symmetric 3x3 matrix of the conic.
double ConicDeterminant(const ConicEquation& eq);

// The ten triples tried for three aligned points, with the pair left over.
struct PointTriple {
  int i, j, k;  // j is the middle point whose angle is tested
  int l, m;
};
const std::array<PointTriple, 10>& PointTriples();
// The index (0..9) of the first aligned triple: two of its points closer than 1e-8 or its
// angle at the middle point within 1e-7 of 0 or pi. -1 when none is.
int FirstAlignedTriple(const FivePoints& p);

// The class from the discriminant, the determinant and the aligned triples (before the
// canonical frame confirms it): 1, 2 or 3, or 4 or 5 for a pair of lines.
int32_t ClassifyConic(const ConicEquation& eq, const FivePoints& p);

// ---- canonical frame and samples -------------------------------------------

// Turns a non-degenerate conic (class 1, 2 or 3) into its canonical frame and re-derives
// the class from the canonical coefficients; writes the frame fields and the class of
// `out` (kConicNone when there is no drawable curve).
void FindCanonicalFrame(const ConicEquation& eq, int32_t conicClass, ConicData& out);
// Fills the 120 samples of a conic whose frame was found (classes 1 to 3).
void SampleCanonical(ConicData& out);
// Fills the samples of a pair of lines from the first aligned triple; false when none is.
bool SampleLinePair(const FivePoints& p, ConicData& out);

// Everything the conic element keeps: equation, class, frame and samples. False when the
// five points make no conic (then `out` is left as it was).
bool ComputeConic(const FivePoints& p, ConicData& out);

// A point in canonical coordinates (u, v) in plane coordinates.
Pt FromCanonical(const ConicData& data, Pt uv);
// Sample i (taken modulo kConicSamples).
Pt ConicSample(const ConicData& data, int i);

// ---- routines for intersections and checks ---------------------------------

// The equation as the six coefficients the intersection routines take.
SixCoefficients AsCoefficients(const ConicEquation& eq);

// A circle as conic coefficients: the fit through its points at 0, 1, 2, 3 and 4 radians.
std::optional<ConicEquation> CircleAsConic(Pt centre, double radius);

// Two equations are the same conic when all six coefficients differ by at most 0.0001.
bool SameConic(const ConicEquation& p, const ConicEquation& q);

// The distance from p to the nearest common point of the conic and the horizontal,
// vertical and diagonal lines through p (LineConic; 1000 when there is none nearer).
double ProbeDistanceToConic(const ConicEquation& eq, Pt p);
// p lies on the conic when that distance is below the tolerance.
bool PointOnConic(const ConicEquation& eq, Pt p, double tolerance);

// Improves an approximate common point of two conics by Newton steps on both equations;
// a step is taken while it is longer than 1e-8 and lowers the first conic's residual, at
// most 999 steps.
Pt RefineCommonPoint(const ConicEquation& first, const ConicEquation& second, Pt start);

}  // namespace velt
