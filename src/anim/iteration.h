#pragma once
// The iteration element (kind 71): the layout of its fields, the bounds of its count, and the
// working copy of the construction that its repetitions are computed in.
//
// Fields of IterationExt:
//   elements     the n initial points, the destination points, the shown elements built on
//                the initials, and the count number last when the count comes from it;
//   settings[0]  the count (repetitions); [1] n, the number of initials; [2] s, the number
//                of destination sets (the width of the result rows); [3] 1 when the count is
//                the value of the last element; [4] the on/off options (IterationOption
//                bits); [5] unused, kept as read;
//   results      one row per initial i: for each destination set j, the index in `elements`
//                of the point that initial i goes to.
// attr2 is the colour flag: 111 draws filled copies in their fill colour.
#include <cstdint>
#include <vector>

#include "geometry/rules.h"
#include "model/document.h"

namespace velt {

enum IterationSetting : int {
  kIterCount = 0,
  kIterInitials,
  kIterSets,
  kIterFromNumber,
  kIterOptions
};

enum IterationOption : int32_t {
  kIterOnlyLast = 1,    // draw only the last repetition
  kIterDrawPoints = 2,  // draw the copies of points too
  kIterOwnColour = 4,   // draw the copies in the iteration's colour and fill
};
inline constexpr int32_t kIterColourFlag = 111;  // attr2: filled copies outlined in their fill

// Bounds. A count taken from a number is truncated into 0..kMaxIterationCount (a non-finite
// value counts as 0 when it is not a number, as the largest count when it is infinite). The
// repetitions grow as s + s² + … + s^count and each recomputes the marked part of the working
// copy, so the count actually used is further lowered until the repetitions times the
// elements recomputed in each stay within kMaxIterationWork.
inline constexpr int32_t kMaxIterationCount = 100000;
inline constexpr int64_t kMaxIterationWork = 2000000;
inline constexpr int kMaxIterationSets = 100;    // the initial set and 99 destination sets
inline constexpr int kMaxIterationSetSize = 99;  // elements in one set

// A number's value as a count: truncated towards zero, within 0..kMaxIterationCount.
int32_t CountFromValue(double v);
// Repetitions drawn for s destination sets and a count: s + s² + … + s^count, saturated just
// above `cap` (so that huge counts cost nothing to evaluate).
int64_t RepetitionsFor(int32_t sets, int32_t count, int64_t cap);
// The largest count ≤ requested whose repetitions, each recomputing `perRepetition`
// elements, stay within kMaxIterationWork.
int32_t BoundedIterationCount(int32_t requested, int32_t sets, int64_t perRepetition);

// The copy of initial i and, for each destination set, the copy of its destination point.
struct IterationCopyRow {
  Element* initial = nullptr;
  std::vector<Element*> destinations;
};

// The private copy of the construction that the repetitions run in. Its document carries the
// source's settings (units, view, colours) and the copied list; nothing in it points outside.
struct IterationWork {
  Document doc;
  std::vector<IterationCopyRow> rows;
  std::vector<Element*> marked;   // recomputed at each repetition, in list order
  std::vector<Element*> shown;    // marked elements drawn at each repetition, in list order
  std::vector<Element*> sources;  // the iteration's list when the copy was made
  std::vector<char> needsData;    // by position (sub-elements included): recorded data to copy
  int32_t count = 0;              // the count in use, bounded
  int32_t elementCount = 0;       // elements and sub-elements of the source when copied
};

// Whether the fields are consistent: n ≥ 1 initials, s ≥ 1 sets, every row index inside the
// list, and initials and destinations that are points.
bool IterationWellFormed(const Element& e);
int32_t IterationOptions(const Element& e);
void SetIterationOption(Element& e, int32_t option, bool on);
// The count the user set (the fixed count, or the number's last value).
int32_t IterationCount(const Element& e);
// The largest count the iteration can use (for the edit dialog and the +/- keys).
int32_t IterationCountLimit(const Element& e);
// Sets the fixed count, bounded to 1..IterationCountLimit.
void SetIterationCount(Element& e, int64_t n);

// Releases the element's working copy and makes a new one from the document (the recompute
// of kind 71 does this); false when the iteration cannot be worked (then it has none).
bool RebuildIterationWork(const Document& doc, const Element& e);
// The element's working copy with the document's current values copied in (values, exists,
// and the recorded data of elements that are not recomputed there); rebuilt when the
// document's list no longer matches it. Null when the iteration cannot be worked.
IterationWork* PreparedIterationWork(const Document& doc, const Element& e);

}  // namespace velt
