#pragma once
// Where two straight elements meet, and whether a point lies on a segment, ray or arc.
#include <optional>

#include "geometry/primitives.h"
#include "geometry/tolerances.h"

namespace velt {

// The point tolerance of membership tests in a view drawn at viewScale pixels per unit.
inline double MembershipTolerance(double viewScale) { return 0.0001 * viewScale; }

// x lies within segment ab (both distances to the ends at most |ab| plus the tolerance).
bool WithinSegment(Pt x, Pt a, Pt b, double viewScale = 1);
// x lies behind the origin a of the ray from a through b, and so not on the ray.
bool BehindRayOrigin(Pt x, Pt a, Pt b, double viewScale = 1);
// x, a point of the circle through p1, p2, p3, lies on the arc from p1 through p2 to p3.
bool OnArc(Pt x, Pt p1, Pt p2, Pt p3, double viewScale = 1);

// The common point of two straight elements, each given by its two defining points: a line
// (whole), a segment (between its points) or a ray (from its first point through the second).
std::optional<Pt> LineLine(Pt a, Pt b, Pt c, Pt d);
std::optional<Pt> LineSegment(Pt a, Pt b, Pt s1, Pt s2, double viewScale = 1);
std::optional<Pt> LineRay(Pt a, Pt b, Pt r1, Pt r2, double viewScale = 1);
std::optional<Pt> SegmentSegment(Pt a, Pt b, Pt c, Pt d, double viewScale = 1);
std::optional<Pt> SegmentRay(Pt s1, Pt s2, Pt r1, Pt r2, double viewScale = 1);
std::optional<Pt> RayRay(Pt a, Pt b, Pt c, Pt d, double viewScale = 1);

}  // namespace velt
