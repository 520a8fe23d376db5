#pragma once
// Compact in-memory copies of a figure, used by the undo history. Encoding writes every
// persistent field of every element (sub-elements included) with references as numbers;
// decoding rebuilds the elements and their references. Samples of loci and the work area of
// conics are not kept: the recompute after an undo rebuilds them.
#include <memory>
#include <string>

#include "model/document.h"

namespace velt {

// Renumbers the figure's list (numbers survive the round trip) and encodes it.
std::string EncodeFigure(Figure& figure);
// The figure encoded by EncodeFigure; an empty figure for bytes it did not write.
std::shared_ptr<Figure> DecodeFigure(const std::string& bytes);

}  // namespace velt
