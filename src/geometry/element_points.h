#pragma once
// Reading and writing the points an element stores: a point keeps (x, y) in value1, value2;
// a straight element keeps its defining points A in value1, value2 and B in value3, value4;
// a circle keeps its centre first and a point of its circumference second.
#include "geometry/primitives.h"
#include "model/element.h"

namespace velt {

inline Pt PointA(const Element& e) { return {e.value[0], e.value[1]}; }
inline Pt PointB(const Element& e) { return {e.value[2], e.value[3]}; }

inline void SetPointA(Element& e, Pt p) {
  e.value[0] = p.x;
  e.value[1] = p.y;
}
inline void SetPoints(Element& e, Pt a, Pt b) { e.value = {a.x, a.y, b.x, b.y}; }

}  // namespace velt
