#pragma once
// Up to two ordered common points of a straight element and a curve, or of two circles.
#include <array>

#include "geometry/primitives.h"
#include "geometry/tolerances.h"

namespace velt {

struct CurveHits {
  // 0, 1 or 2. With 2, point[0] is the first solution and point[1] the second.
  int count = 0;
  // Both solutions of the carrier line, in order, also when a filter kept only one.
  std::array<Pt, 2> point{};
  // With count 1 after a segment or ray filter: the valid solution is point[1].
  bool secondValid = false;

  Pt Valid() const { return secondValid ? point[1] : point[0]; }
};

}  // namespace velt
