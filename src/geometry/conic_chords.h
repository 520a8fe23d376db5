#pragma once
// Which pieces of a conic's sample walk are drawn. Drawing, detection and the position of a
// point from the cursor all go through here, so that a conic is never found along a chord
// that is not on the screen (the jump between the branches of a hyperbola, its closing
// chord, the far tails beyond the plane).
#include <vector>

#include "geometry/primitives.h"
#include "model/conic_data.h"

namespace velt {

// One drawn piece: from sample `from` to sample `to` (0 for the piece that closes the curve).
struct ConicPiece {
  int from = 0, to = 0;
};

// Whether a piece from a to b is drawn: both ends finite and within 7999 units of the axes
// in each coordinate, and the piece shorter than 2999.
bool IsDrawablePiece(Pt a, Pt b);

// The drawn pieces of a conic's samples, in walk order: from each sample, following samples
// are skipped until one is more than 1 unit away; closed conics (all but the parabola) also
// join the last sample to the first. Empty for a pair of lines (drawn as two full lines).
std::vector<ConicPiece> DrawnConicPieces(const ConicData& data);

// Whether the chord from sample i to sample i + 1 (the last one closing to S0) is drawn.
bool IsDrawnConicChord(const ConicData& data, int i);

}  // namespace velt
