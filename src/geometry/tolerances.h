#pragma once
// The tolerances of the geometry engine, in world units unless noted.

namespace velt {

// Two points closer than this count as one point: no line, no direction, no side.
inline constexpr double kPointCoincidence = 0.0001;
// A line whose defining points are closer than this is re-expressed before it is
// intersected with another line (IntersectLines).
inline constexpr double kLineSnap = 0.1;
// Two slopes closer than this are parallel; also the smallest determinant of a 2x2 system.
inline constexpr double kSlopeEquality = 1e-6;
// A computed measure or angle whose absolute value is below this becomes exactly 0.
inline constexpr double kZeroClamp = 1e-8;
// The smallest divisor used when moving a point towards another (PointTowards).
inline constexpr double kDivisionGuard = 1e-12;
// A quadratic whose discriminant is above minus this still has (two) real roots.
inline constexpr double kNegativeDiscriminant = 0.00001;

}  // namespace velt
