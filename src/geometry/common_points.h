#pragma once
// The points that two elements share because of the way they were built: a curve's defining
// points (the points it was drawn through) and the points made on it. Known by identity,
// never by distance, so that a point that merely happens to lie on a curve does not count.
#include <vector>

#include "model/element.h"

namespace velt {

// The defining points of an element: the parents it passes through by construction (a
// circle's centre is not one, its circumference point is).
std::vector<const Element*> DefiningPoints(const Element& e);

// Whether point p lies on element y by the way p or y was built: a point on y, an
// intersection point with y as a parent, one of the five points of the conic y, or a
// defining point of y.
bool LiesOnByConstruction(const Element* p, const Element& y);

// The distinct points known to be common to x and y: the defining points of either that
// lie on the other by construction.
std::vector<const Element*> KnownCommonPoints(const Element& x, const Element& y);

}  // namespace velt
