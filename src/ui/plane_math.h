#pragma once
// Small plane computations that detection and the tools share: distances to the carriers
// and the parameter of a position along them.
#include <cmath>
#include <optional>

#include "geometry/primitives.h"
#include "model/element.h"

namespace velt {

using Vec2 = Pt;
inline double Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline double Cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }
inline double Length(Vec2 a) { return std::hypot(a.x, a.y); }
inline double Dist(Vec2 a, Vec2 b) { return Length(a - b); }

inline constexpr double kCoincidence = 0.0001;

inline Vec2 PointOf(const Element& e) { return {e.value[0], e.value[1]}; }
inline Vec2 SecondOf(const Element& e) { return {e.value[2], e.value[3]}; }

// Where a position falls on a carrier: its parameter, its foot and its distance.
struct CarrierFoot {
  double t = 0;
  Vec2 foot;
  double distance = 0;
};

// Foot of the perpendicular from k on the line AB as a fraction of AB.
double FractionAlong(Vec2 a, Vec2 b, Vec2 k);

// Distance from k to a straight element of the given type (line, ray, segment, vector) with
// defining points a and b; nullopt when a and b coincide or the foot lies off the element
// (segments allow 2 units beyond their ends).
std::optional<double> StraightDistance(int32_t type, Vec2 a, Vec2 b, Vec2 k);

// The parameter of a position on a carrier, in the meaning that a point on that element
// stores, for the carriers that have one (straight elements, circles, arcs, polygons);
// nullopt for the others.
std::optional<CarrierFoot> ParameterOnCarrier(const Element& carrier, Vec2 k);
// The position of parameter t on a carrier (the inverse of the above).
std::optional<Vec2> PositionOnCarrier(const Element& carrier, double t);

// Centre, radius and the angles of an arc (kind 19) from its three points: the arc runs from
// the first point through the second to the third.
struct ArcShape {
  Vec2 centre;
  double radius = 0;
  double start = 0;  // angle of the first point
  double sweep = 0;  // signed angle to the third point through the second
};
std::optional<ArcShape> ArcOf(const Element& arc);

}  // namespace velt
