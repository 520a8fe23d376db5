#pragma once
// Which intersection code a pair of elements gets, and in which order they become parents.
#include <cstdint>
#include <optional>

namespace velt {

inline constexpr int32_t kLocusIntersectionCode = 42;

// The outcome of classifying two picked elements for one solution index.
struct IntersectionPlan {
  int32_t code = 0;      // 0..42
  bool swapped = false;  // parent1 is the second picked element
};

// Classifies a pair of element types (first picked, second picked) for solution index s.
// No value for a pair that cannot be intersected or an s the pair does not have (a locus
// takes any s >= 0: it is the index in the list of numeric solutions).
std::optional<IntersectionPlan> ClassifyIntersection(int32_t firstType, int32_t secondType,
                                                     int solution);

// How many solutions the pair of types can have: 1 (straight pairs), 2, 4 (conic pairs), -1
// for a locus (as many as it finds), 0 when the pair cannot be intersected.
int IntersectionSolutionCount(int32_t firstType, int32_t secondType);

// The solution index a code stands for (0 for straight pairs, the parity for the pairs of
// two, 0..3 for the conic pairs); -1 for code 42 and codes outside 0..42.
int SolutionIndexOfCode(int32_t code);

}  // namespace velt
