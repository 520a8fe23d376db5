#include "geometry/conic_chords.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

constexpr double kFarCoordinate = 7999;
constexpr double kLongPiece = 2999;
constexpr double kMergedLength = 1;  // samples closer than this are walked past

bool IsLinePair(const ConicData& data) {
  return data.conicClass == kConicCrossingLines || data.conicClass == kConicParallelLines;
}

size_t SampleCount(const ConicData& data) { return std::min(data.sx.size(), data.sy.size()); }

Pt At(const ConicData& data, size_t i) { return {data.sx[i], data.sy[i]}; }

}  // namespace

bool IsDrawablePiece(Pt a, Pt b) {
  for (double v : {a.x, a.y, b.x, b.y})
    if (!std::isfinite(v) || std::fabs(v) >= kFarCoordinate) return false;
  return Distance(a, b) < kLongPiece;
}

std::vector<ConicPiece> DrawnConicPieces(const ConicData& data) {
  std::vector<ConicPiece> out;
  const size_t n = SampleCount(data);
  if (n < 2 || IsLinePair(data)) return out;
  size_t i = 0;
  while (i + 1 < n) {
    size_t j = i + 1;
    while (j + 1 < n && Distance(At(data, i), At(data, j)) <= kMergedLength) ++j;
    if (IsDrawablePiece(At(data, i), At(data, j)))
      out.push_back({static_cast<int>(i), static_cast<int>(j)});
    i = j;
  }
  if (data.conicClass != kConicParabola && IsDrawablePiece(At(data, n - 1), At(data, 0)))
    out.push_back({static_cast<int>(n - 1), 0});
  return out;
}

bool IsDrawnConicChord(const ConicData& data, int i) {
  const int n = static_cast<int>(SampleCount(data));
  if (n < 2 || i < 0 || i >= n) return false;
  if (IsLinePair(data)) return i == 0 || i == 2;
  if (i == n - 1 && data.conicClass == kConicParabola) return false;
  return IsDrawablePiece(At(data, static_cast<size_t>(i)),
                         At(data, static_cast<size_t>((i + 1) % n)));
}

}  // namespace velt
