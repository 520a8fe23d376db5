#pragma once
// Images of whole figures: a transformation applied to elements builds their images from
// image points, so the new figure is an ordinary construction that follows its source.
#include <cstdint>
#include <span>
#include <vector>

#include "model/create.h"

namespace velt {

// A transformation as its image points take it: the point kind (3, 22, 23, 24, 25 or 26)
// and the data every image point gets as its parents besides the source point.
//   3  data2 = the centre
//   22 data2 = the axis (a straight element)
//   23 data2, data3 = the start and end points of the translation vector
//   24 data2 = the centre, data3 = the angle number
//   25 data2 = the centre, data3 = the ratio number
//   26 data2 = the circle of inversion (the image point takes it as parent1)
struct Transformation {
  int32_t kind = kPointCentralSymmetry;
  Element* data2 = nullptr;
  Element* data3 = nullptr;
};

// True when the kind is a transformation point kind and the data it needs are there.
bool IsUsableTransformation(const Transformation& t);

// Applies the transformation to the objects, in their order: every element that is not a
// point first, by its type (images of its defining points, hidden auxiliary points on it
// where it has no such points, and a new element on the images), then every point that no
// element mapped already. A source point is mapped once however many objects share it.
// Inversion maps points only. Elements of other types give nothing.
//
// The new elements are appended to the document and recomputed (nothing else changes, so
// no other recompute is needed); the list of them, in creation order, is returned. The
// caller stores the undo step before the call (one step per use of the tool) and redraws
// after it. An object listed twice is transformed twice.
std::vector<Element*> TransformFigure(Document& doc, std::span<Element* const> objects,
                                      const Transformation& t, const CreationSettings& settings);

}  // namespace velt
