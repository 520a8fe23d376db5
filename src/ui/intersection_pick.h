#pragma once
// Turning a pair of picked curves into intersection points: the code of the pair with its
// parent order, the number of solutions, and the temporary candidate that detection shows.
#include <optional>
#include <vector>

#include "model/document.h"

namespace velt {

struct IntersectionSetup {
  Element* parent1 = nullptr;
  Element* parent2 = nullptr;
  int32_t code = 0;
};

// The code for solution s of the pair (a, b) and the parents in the code's order; nullopt
// when the types cannot be intersected.
std::optional<IntersectionSetup> ClassifyIntersection(Element* a, Element* b, int solution);
// How many solutions the pair can have: 4 with a conic, 2 with a circle or arc, else 1
// (0 when it cannot be intersected; loci are found numerically).
// With the document, a pair with a locus counts the common points found numerically.
int SolutionCount(const Element& a, const Element& b, const Document* doc = nullptr);
// The solution indexes the intersection tool creates for the picked pair (a, b): a curve
// pair that already shares one known point (by construction, not by distance) gets only the
// other point, one that shares two gets none; the conic pairs get their four solutions.
// Empty when the pair cannot be intersected. A locus gets one solution for every common
// point found numerically in the document (none without it).
std::vector<int> SolutionsToCreate(const Element& a, const Element& b,
                                   const Document* doc = nullptr);
// A computed candidate (kind 57) for solution s; null when it does not exist or the pair
// cannot be intersected here.
ElementPtr MakeIntersectionCandidate(Element* a, Element* b, int solution, const Document& doc);

}  // namespace velt
