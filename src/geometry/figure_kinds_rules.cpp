// Names, grids and bitmaps hold no geometry of their own: each exists exactly when the
// element it belongs to exists (the named element, the grid's axes, the bitmap's anchor when
// it has one), so it comes back with it.
#include "geometry/rules.h"

namespace velt {
namespace {

// The generic parent test has already passed when a rule runs.
void ExistsWithParents(Element& e, const RuleContext&) { e.exists = 1; }

}  // namespace

void AddFigureRules(RuleTable& t) {
  t[kName] = {ExistsWithParents, 1};
  t[kGrid] = {ExistsWithParents, 1};
  t[kBitmap] = {ExistsWithParents, 0};  // an unanchored bitmap has no parent to wait for
}

}  // namespace velt
