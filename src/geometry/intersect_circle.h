#pragma once
// Where a line, segment or ray cuts a circle, and where two circles meet.
#include "geometry/intersect_hits.h"

namespace velt {

// The line through a and b with the circle of centre c and radius r. Two solutions are
// ordered along the direction a -> b: the first is the one further along.
CurveHits LineCircle(Pt a, Pt b, Pt c, double r);
// The same on segment ab / on the ray from a through b; a solution off the element is dropped.
CurveHits SegmentCircle(Pt a, Pt b, Pt c, double r, double viewScale = 1);
CurveHits RayCircle(Pt a, Pt b, Pt c, double r, double viewScale = 1);

// Circle (c1, r1) with circle (c2, r2): the first solution lies to the right of the directed
// line c1 -> c2, the second to its left. Concentric circles never meet.
CurveHits CircleCircle(Pt c1, double r1, Pt c2, double r2);

// The carrier-line solutions kept by a segment or ray filter (shared with the conic forms).
CurveHits KeepOnSegment(const CurveHits& line, Pt a, Pt b, double viewScale);
CurveHits KeepOnRay(const CurveHits& line, Pt a, Pt b, double viewScale);
// The solutions of a line x = t, y = slope * t + shift (alongX) or y = t, x = slope * t + shift
// for the roots t of the quadratic that substituting the line into a curve gave.
CurveHits HitsFromRoots(const Roots& roots, bool alongX, double slope, double shift);
// Orders two solutions along a -> b (the first is further along).
void OrderAlong(CurveHits& hits, Pt a, Pt b);

}  // namespace velt
