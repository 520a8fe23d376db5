// Drawing an iteration: every copy its repetitions make, in the iteration's style.
// Copies with a colour source take the colour their own source's copy gives them.
#include "anim/iteration_walk.h"
#include "view/draw_element.h"
#include "view/draw_types.h"
#include "view/parametric_colour.h"

namespace velt {
namespace {

bool Fillable(int32_t type) {
  return type == kTypePolygon || type == kTypeCircle || type == kTypeAngle;
}

// Thick dashed styles would be too heavy repeated: 6 is drawn as 1 and 5 as 2.
int32_t CopyStyle(const Element& copy, int32_t style) {
  if (copy.type() == kTypePoint) return style;
  if (style == 6) return 1;
  if (style == 5) return 2;
  return style;
}

}  // namespace

void DrawIterationElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (look.fillOnly) return;
  const int32_t options = IterationOptions(e);
  const bool halo = look.style < 0;
  const bool own = (options & kIterOwnColour) != 0;
  WalkIteration(ctx.doc, e, [&](const IterationVisit& v) {
    const DrawContext wctx{v.work, ctx.canvas, ctx.map, ctx.view, ctx.clip, ctx.opt};
    ForEachCopyOf(v, options, [&](Element& c) {
      if (!c.exists) return;
      const bool fillable = Fillable(c.type());
      Look l;
      l.style = CopyStyle(c, look.style);
      if (halo || own) {
        l.colour = look.colour;
        l.fill = own && !halo && fillable ? e.attr1 : -1;
      } else if (c.colourSource) {
        // The copy's colour follows the copy of its source, read now that the whole
        // repetition is computed (a source later in the list has its value for this one).
        ApplyParametricColour(c);
        l.colour = c.colour;
        l.fill = fillable ? c.attr1 : -1;
      } else {
        l.colour = e.attr2 == kIterColourFlag && fillable && c.attr1 >= 0 ? c.attr1 : c.colour;
        l.fill = fillable ? c.attr1 : -1;
      }
      if (l.fill >= 0) {
        Look f = l;
        f.fillOnly = true;
        DrawElement(wctx, c, f);
      }
      DrawElement(wctx, c, l);
    });
    return true;
  });
}

}  // namespace velt
