// Names, grids and bitmaps hold no geometry of their own: each exists exactly when the
// element it belongs to exists (the named element, the grid's axes, the bitmap's anchor when
// it has one), so it comes back with it. A bitmap whose bytes are no readable picture (a
// damaged file) does not exist: nothing is drawn or picked for it.
#include "geometry/rules.h"
#include "view/canvas.h"

namespace velt {
namespace {

// The generic parent test has already passed when a rule runs.
void ExistsWithParents(Element& e, const RuleContext&) { e.exists = 1; }

void BitmapRule(Element& e, const RuleContext&) {
  const BitmapExt* ext = e.as<BitmapExt>();
  int w = 0, h = 0;
  e.exists = ext && PictureSize(ext->picture, w, h) ? 1 : 0;
}

}  // namespace

void AddFigureRules(RuleTable& t) {
  t[kName] = {ExistsWithParents, 1};
  t[kGrid] = {ExistsWithParents, 1};
  t[kBitmap] = {BitmapRule, 0};  // an unanchored bitmap has no parent to wait for
}

}  // namespace velt
