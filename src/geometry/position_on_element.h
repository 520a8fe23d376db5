#pragma once
// A point on an element: where it lies for a stored parameter t, and which parameter a
// position (the mouse cursor) gives.
//
// Each carrier type plugs in a pair of functions (CarrierOps) through the one table in
// position_on_element.cpp. The straight carriers live in position_on_element.cpp; circles,
// arcs, polygons and conics belong in position_on_curves.cpp, loci and function graphs with
// their own families. A carrier type without functions in the table has no position: a
// point on it does not exist, and no parameter is found for it.
#include <optional>

#include "geometry/primitives.h"
#include "geometry/rules.h"

namespace velt {

// The parameter of the carrier near a position, and how far the position is from the point
// of the carrier at that parameter (used to detect the carrier under the cursor).
struct CarrierHit {
  double t = 0;
  double distance = 0;
};

// A position to turn into a parameter, with the view it was taken in.
struct PositionProbe {
  Pt cursor;
  double tolerance = 8;  // detection distance in world units (chooses a conic's chord)
  double viewScale = 1;  // pixels per world unit; 1 on the main view
};

using PositionFn = std::optional<Pt> (*)(const Element& carrier, double& t, const RuleContext& ctx);
using ParameterFn = std::optional<CarrierHit> (*)(const Element& carrier,
                                                  const PositionProbe& probe,
                                                  const RuleContext& ctx);
struct CarrierOps {
  PositionFn position = nullptr;
  ParameterFn parameter = nullptr;
};

// The functions of a carrier type (both null for a type that has none yet).
const CarrierOps& CarrierFor(int32_t type);

// True for the types a point can be put on: lines, rays, segments, vectors, circles, arcs,
// polygons, conics, loci and function graphs. A point "on" any other element keeps its
// coordinates.
bool CanCarryPoints(int32_t type);

// The point of the carrier at parameter t. Some carriers bring t back into their range (a
// degenerate conic); the caller stores t back. Returns nothing when the point does not exist
// there, and for every carrier type whose positioning is not in the table yet.
std::optional<Pt> PositionOnElement(const Element& carrier, double& t, const RuleContext& ctx);

// The parameter t that puts a point of the carrier nearest to the probe's cursor, in the
// sense PositionOnElement reads it, and the distance from the cursor. Returns nothing for a
// carrier type whose functions are not in the table yet.
std::optional<CarrierHit> ParameterFromPosition(const Element& carrier, const PositionProbe& probe,
                                                const RuleContext& ctx);

// Where a position falls on a carrier: the parameter, the carrier's point there and the
// distance from the position to the carrier.
struct CarrierFoot {
  double t = 0;
  Pt foot;
  double distance = 0;
};
// ParameterFromPosition with the point that the parameter gives; nothing where either fails.
std::optional<CarrierFoot> FootOnCarrier(const Element& carrier, Pt position,
                                         const RuleContext& ctx = {});

// True when t on this straight carrier is a fraction of AB (lines and rays through two
// points, segments, sides, vectors); false when it is a signed distance from A.
bool ParameterIsFraction(int32_t kind);

// Straight carriers: segment and vector, line, ray.
std::optional<Pt> PositionOnStraight(const Element& carrier, double& t, const RuleContext& ctx);
std::optional<CarrierHit> ParameterOnSegment(const Element& carrier, const PositionProbe& probe,
                                             const RuleContext& ctx);
std::optional<CarrierHit> ParameterOnLine(const Element& carrier, const PositionProbe& probe,
                                          const RuleContext& ctx);
std::optional<CarrierHit> ParameterOnRay(const Element& carrier, const PositionProbe& probe,
                                         const RuleContext& ctx);

}  // namespace velt
