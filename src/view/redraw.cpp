#include "view/redraw.h"

#include "view/draw_element.h"
#include "view/draw_shapes.h"
#include "view/parametric_colour.h"
#include "view/pictures.h"

namespace velt {
namespace {

constexpr int32_t kNeverDrawn = 100;

bool HasFill(int32_t type) {
  return type == kTypePolygon || type == kTypeCircle || type == kTypeAngle;
}

// Texts and elements that show a label are selected in inverse rather than with a halo.
bool ShowsLabel(const Element& e) { return e.kind == kText || IsTextLikeType(e.type()); }

int32_t SelectionHaloStyle(const Element& e) {
  if (e.kind == kBitmap || e.kind == kIteration) return -2;
  return HaloStyleOf(e.style);
}

int32_t ColourOf(const DrawContext& ctx, const Element& e) {
  return e.visibility == 1 ? e.colour : ctx.doc.hiddenColour;
}

bool ShowsSelection(const DrawContext& ctx, const Element& e) {
  return e.selected && ctx.opt.mainPicture && !ctx.opt.dragging && !ctx.opt.rubberBand;
}

// One element of the outline or point pass, with its selection halo or inverse label.
void DrawWithSelection(const DrawContext& ctx, const Element& e) {
  const int32_t colour = ColourOf(ctx, e);
  if (ShowsSelection(ctx, e)) {
    if (ShowsLabel(e)) {
      DrawElement(ctx, e, Look{ctx.doc.backgroundColour, ctx.doc.selectionColour});
      return;
    }
    DrawElement(ctx, e, Look{ctx.doc.selectionColour, SelectionHaloStyle(e)});
  }
  DrawElement(ctx, e, Look{colour, e.style});
}

template <class F>
void ForEachUpTo(const Document& doc, const Element* upTo, F&& f) {
  for (const ElementPtr& p : doc.elements()) {
    if (p.get() == upTo) break;
    f(*p);
  }
}

}  // namespace

bool IsDrawable(const Element& e, bool showHidden) {
  return e.visibility != kNeverDrawn && e.exists && (e.visibility == 1 || showHidden);
}

void DrawDocument(const DrawContext& ctx, const Element* upTo) {
  if (ctx.opt.printerDpi == 0) ClearPicture(ctx.canvas, ctx.doc.backgroundColour);
  const bool showHidden = ctx.opt.showHidden;
  // Fills lie beneath every outline.
  ForEachUpTo(ctx.doc, upTo, [&](const Element& e) {
    if (!HasFill(e.type()) || !IsDrawable(e, showHidden) || e.attr1 < 0) return;
    DrawElement(ctx, e, Look{ColourOf(ctx, e), e.style, e.attr1, true});
  });
  ForEachUpTo(ctx.doc, upTo, [&](const Element& e) {
    if (e.type() != kTypePoint && IsDrawable(e, showHidden)) DrawWithSelection(ctx, e);
  });
  // Points lie on top of everything.
  ForEachUpTo(ctx.doc, upTo, [&](const Element& e) {
    if (e.type() == kTypePoint && IsDrawable(e, showHidden)) DrawWithSelection(ctx, e);
  });
}

void RedrawAll(Document& doc, Canvas& canvas, const DrawOptions& opt, const Element* upTo) {
  // A colour source may stand later in the list than the element it colours: every redraw
  // takes the sources' present values.
  for (const ElementPtr& e : doc.elements()) ApplyParametricColour(*e);
  const DrawContext ctx = ScreenContext(doc, canvas, opt);
  DrawDocument(ctx, upTo);
  if (!doc.figure->traces.empty() || doc.tracesDrawn) {
    doc.tracesDrawn = 1;
    if (Canvas* trace = opt.tracePicture) {
      if (opt.viewDragging) {
        ClearPicture(*trace, TraceBackground(doc.backgroundColour));
      } else {
        if (opt.addTraces) {
          DrawOptions traceOpt = opt;
          traceOpt.mainPicture = false;
          const DrawContext tctx = ScreenContext(doc, *trace, traceOpt);
          for (const Element* e : doc.figure->traces) {
            if (e && e->exists && e->visibility != kNeverDrawn)
              DrawElement(tctx, *e, Look{e->colour, e->style});
          }
        }
        const int w = (opt.clientWidth > 0 ? opt.clientWidth : canvas.Width()) - 5;
        const int h = (opt.clientHeight > 0 ? opt.clientHeight : canvas.Height()) - 5;
        if (w > 0 && h > 0) canvas.Combine(*trace, w, h, TraceCombineMode(doc.backgroundColour));
      }
    }
  }
  if (opt.selectionRectangle && opt.mainPicture) {
    const WorldRect& r = *opt.selectionRectangle;
    const WorldPoint corners[4] = {
        {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    for (int i = 0; i < 4; ++i)
      DrawSegment(ctx, corners[i], corners[(i + 1) % 4], doc.selectionColour, 3);
  }
}

}  // namespace velt
