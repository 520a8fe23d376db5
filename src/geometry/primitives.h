#pragma once
// The geometric primitives every construction rule is built from: plain functions of
// doubles. The numbers P1..P13 in the comments are the names the construction rules use.
#include <array>
#include <optional>

namespace velt {

struct Pt {
  double x = 0, y = 0;
  friend bool operator==(const Pt&, const Pt&) = default;
};

inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
// The dot product and the z component of the cross product of two vectors.
inline double Dot(Pt a, Pt b) { return a.x * b.x + a.y * b.y; }
inline double Cross(Pt a, Pt b) { return a.x * b.y - a.y * b.x; }

// A line given by two of its points.
struct Line2 {
  Pt a, b;
};

// Real roots of a polynomial, in the order the solver produced them.
struct Roots {
  int count = 0;
  std::array<double, 3> t{};
};

// P1: |AB|.
double Distance(Pt a, Pt b);
// P2: the midpoint of A and B.
Pt Midpoint(Pt a, Pt b);
// P3: the point at distance d from A towards B (d may be negative). With A = B it is A.
Pt PointTowards(Pt a, Pt b, double d);
// P4: the line through P perpendicular to AB, (P, P + (dy, -dx)) with (dx, dy) = B - A,
// i.e. the direction of AB turned clockwise. Fails when |AB| < kPointCoincidence.
std::optional<Line2> PerpendicularThrough(Pt p, Pt a, Pt b);
// P5: the line through P parallel to AB, (P, P + (B - A)). Fails when |AB| < kPointCoincidence.
std::optional<Line2> ParallelThrough(Pt p, Pt a, Pt b);
// P6: the direction angle of (ux, uy), in [0, 2pi); (0, 0) gives 3pi/2.
double DirectionAngle(double ux, double uy);
// P7: the angle from ray V->A to ray V->E, counter-clockwise, in [0, 2pi). Fails when A or E
// is exactly V. A result within kZeroClamp of 0 is exactly 0.
std::optional<double> OrientedAngle(Pt a, Pt v, Pt e);
// P8: the unsigned angle at V between A and E, in [0, pi]. Fails when A or E is exactly V.
std::optional<double> UnsignedAngle(Pt a, Pt v, Pt e);
// P9: the common point of the lines AB and CD. A line shorter than kLineSnap is first
// re-expressed with its second point at distance 1 from the first. Fails for parallel lines
// (both vertical, slopes within kSlopeEquality, or a determinant below kSlopeEquality).
std::optional<Pt> IntersectLines(Pt a, Pt b, Pt c, Pt d);
// P10: P turned about C by alpha radians, counter-clockwise. A point within
// kPointCoincidence of C does not move.
Pt RotateAbout(Pt p, Pt c, double alpha);
// P11: the foot of the perpendicular from P to the line AB, and |P - foot|.
struct Foot {
  Pt foot;
  double distance = 0;
};
std::optional<Foot> FootOnLine(Pt p, Pt a, Pt b);
// P12: the real roots of c t^2 + b t + a = 0 (note the order of the coefficients).
// A discriminant in (-kNegativeDiscriminant, -kZeroClamp] still gives two roots (computed
// with its absolute value); one within kZeroClamp of 0 gives the double root once.
Roots SolveQuadratic(double a, double b, double c);
// P13: the real roots of c3 t^3 + c2 t^2 + c1 t + c0 = 0; SolveQuadratic when
// |c3| < kZeroClamp.
Roots SolveCubic(double c0, double c1, double c2, double c3);

}  // namespace velt
