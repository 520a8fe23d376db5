#pragma once
// The "+" and "-" keys in the move tool: each press changes the selected loci, iterations and
// parameters by one step.
//   locus or function graph   5 samples more or fewer, at least 5 when it traces a locus or
//                             a graph, else 10 (a locus driven over a grid takes its count
//                             from the grid and is left alone);
//   iteration                 one repetition more or fewer, at least 1 (an iteration whose
//                             count is the value of a number follows that number);
//   parameter                 its value moves by its own increment.
#include "model/document.h"

namespace velt {

inline constexpr int32_t kLocusKeyStep = 5;

// Whether a press (direction +1 for "+", -1 for "-") would change anything in the document's
// selection (a count already at its bound does not).
bool StepKeysApply(const Document& doc, int direction);

// One press. Returns how many elements changed; the caller
// stores the undo step before and recomputes after.
int StepSelection(Document& doc, int direction);

}  // namespace velt
