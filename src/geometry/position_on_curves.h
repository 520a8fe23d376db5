#pragma once
// Points on circles, arcs, polygons and conics: the position for a parameter t and the
// parameter for a position. Plugged into the carrier table of position_on_element.cpp.
#include "geometry/position_on_element.h"

namespace velt {

// Circle: t is the angle in radians from the centre.
std::optional<Pt> PositionOnCircle(const Element& carrier, double& t, const RuleContext& ctx);
std::optional<CarrierHit> ParameterOnCircle(const Element& carrier, const PositionProbe& probe,
                                            const RuleContext& ctx);

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
