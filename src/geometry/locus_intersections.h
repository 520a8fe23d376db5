#pragma once
// Common points of a locus (or a function graph) with another element, found on the
// polyline of its samples (intersection code 42).
#include <optional>
#include <vector>

#include "geometry/primitives.h"
#include "geometry/rules.h"

namespace velt {

// Pieces this long are never cut with another element (a jump of the traced point).
inline constexpr double kLongLocusPiece = 999;
// Pieces of another locus this long are not cut either.
inline constexpr double kLongOtherPiece = 499;
// Refinement never samples more than this.
inline constexpr int32_t kMaxRefinedSamples = 20000;

// The samples a locus is cut with: at least 500, more when its polyline is long.
// A function graph keeps its own samples.
SampleExt RefinedSamples(const Document& doc, const Element& locus, double viewScale = 1);

// The straight pieces of a sample polyline: gaps and long pieces skipped, short pieces
// merged until they exceed 0.1.
struct LocusPiece {
  Pt a, b;
};
std::vector<LocusPiece> PolylinePieces(const SampleExt& s, bool closed, double longPiece);

// All common points of the locus with the other element, in the order of the walk along
// the locus, each listed once; segment, ray and arc tolerances for a view of viewScale
// pixels per world unit.
std::vector<Pt> LocusCommonPoints(const Document& doc, const Element& locus, const Element& other,
                                  double viewScale = 1);

// The rule of an intersection point with code 42: point number attr2 of the list.
std::optional<Pt> LocusIntersectionPoint(const Element& e, const RuleContext& ctx);

}  // namespace velt
