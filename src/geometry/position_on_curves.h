#pragma once
// Points on circles, arcs, polygons and conics: the position for a parameter t and the
// parameter for a position. Plugged into the carrier table of position_on_element.cpp.
#include "geometry/position_on_element.h"

namespace velt {

// Circle: t is the angle in radians from the centre.
std::optional<Pt> PositionOnCircle(const Element& carrier, double& t, const RuleContext& ctx);
std::optional<CarrierHit> ParameterOnCircle(const Element& carrier, const PositionProbe& probe,
                                            const RuleContext& ctx);

// The circle and the angles of an arc (kind 19): it runs from its first point P1 through its
// second to its third point P3.
struct ArcFrame {
  Pt centre, p1, p3;
  double radius = 0;
  double start = 0;  // polar angle of P1
  double sweep = 0;  // angle swept from P1 to P3 in the arc's own direction, in (0, 2pi]
  bool ccw = false;  // the arc turns counter-clockwise from P1
  // The point of the arc at a fraction of its sweep (0 at P1, 1 at P3).
  Pt At(double fraction) const;
};
// Nothing when P1 or P3 is missing or lies on the centre.
std::optional<ArcFrame> FrameOfArc(const Element& arc);

// Arc: t runs from 0 at its first point to 1 at its third point.
std::optional<Pt> PositionOnArc(const Element& carrier, double& t, const RuleContext& ctx);
std::optional<CarrierHit> ParameterOnArc(const Element& carrier, const PositionProbe& probe,
                                         const RuleContext& ctx);

// Polygon: t is the side index plus the fraction along that side.
std::optional<Pt> PositionOnPolygon(const Element& carrier, double& t, const RuleContext& ctx);
std::optional<CarrierHit> ParameterOnPolygon(const Element& carrier, const PositionProbe& probe,
                                             const RuleContext& ctx);

// Conic: t is the index of a sample plus the fraction along the chord to the next sample
// (from S119 back to S0 for 119 < t < 120); the point is the conic's own point across the
// chord. A pair of lines keeps t within its two lines (t above 3 becomes 2.5).
std::optional<Pt> PositionOnConic(const Element& carrier, double& t, const RuleContext& ctx);
std::optional<CarrierHit> ParameterOnConic(const Element& carrier, const PositionProbe& probe,
                                           const RuleContext& ctx);

}  // namespace velt
