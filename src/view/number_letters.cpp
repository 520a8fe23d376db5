#include "view/number_letters.h"

#include "view/element_box.h"

namespace velt {

void DrawNumberLetters(const DrawContext& ctx, std::span<const LetteredNumber> numbers,
                       const TextMeasure& measure) {
  const int32_t colour = ctx.doc.selectionColour;
  for (const LetteredNumber& n : numbers) {
    if (!n.number || !n.number->exists) continue;
    const auto box =
        ElementBox(ctx.doc, *n.number, ctx.map, measure, ctx.opt.screenDpi, ctx.opt.language);
    if (!box) continue;
    const PixelPoint tl = ctx.Pixel(box->left, box->top);
    const PixelPoint br = ctx.Pixel(box->right, box->bottom);
    ctx.canvas.SetPen({colour, 1, LineStyle::kSolid});
    ctx.canvas.SetBrush(Brush{0, true});
    ctx.canvas.Rectangle({tl.x - 1, tl.y - 1, br.x + 1, br.y + 1});
    const Element& owner = n.number->owner ? *n.number->owner : *n.number;
    const Font& font = owner.labelFont ? *owner.labelFont : ctx.doc.numberFont;
    ctx.canvas.Text({br.x + 3, tl.y}, n.letter, ToTextFont(font, ctx.opt.screenDpi), colour, -1);
  }
}

}  // namespace velt
