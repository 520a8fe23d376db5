// Texts, names, label-like elements (numbers, equations, coordinates, checks), buttons and
// bitmaps.
#include <algorithm>
#include <cmath>

#include "view/clip.h"
#include "view/draw_shapes.h"
#include "view/draw_types.h"
#include "view/element_box.h"
#include "view/label_text.h"
#include "view/name_anchor.h"
#include "view/rich_text.h"

namespace velt {
namespace {

constexpr int32_t kWhite = 0xFFFFFF, kBlack = 0, kLightGrey = 0xC0C0C0, kGrey = 0x808080;
constexpr int32_t kThumbBlue = 0xFF0000, kThumbYellow = 0x00FFFF;

const LanguageTable& LanguageOf(const DrawContext& ctx) {
  return ctx.opt.language ? *ctx.opt.language : BuiltInLanguage();
}

const Font& LabelFontOf(const Element& e, const Font& fallback) {
  return e.labelFont ? *e.labelFont : fallback;
}

int32_t Background(const DrawContext& ctx, const Look& look) {
  return ctx.opt.realSize && look.style >= 0 ? look.style : -1;
}

// On the thumbnail a text is only a stroke of its width.
void ThumbnailStroke(const DrawContext& ctx, PixelPoint p, int width, int32_t colour) {
  const int w = static_cast<int>(std::lround(width * ctx.map.scale));
  ctx.canvas.SetPen({colour, 1, LineStyle::kSolid});
  ctx.canvas.Line(p, {p.x + std::max(w, 1), p.y});
}

void DrawLabelAt(const DrawContext& ctx, WorldPoint at, const std::string& text, const Font& font,
                 const Look& look) {
  if (text.empty()) return;
  const TextFont tf = ToTextFont(font, ctx.opt.screenDpi);
  const PixelPoint p = ctx.Pixel(at);
  if (!ctx.opt.realSize) {
    ThumbnailStroke(ctx, p, ctx.canvas.MeasureText(text, tf).width, look.colour);
    return;
  }
  ctx.canvas.Text(p, text, tf, look.colour, Background(ctx, look));
}

}  // namespace

void DrawLabelElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (look.fillOnly) return;
  DrawLabelAt(ctx, SecondPointOf(e), LabelTextOf(ctx.doc, e, LanguageOf(ctx)),
              LabelFontOf(e, ctx.doc.numberFont), look);
}

void DrawNameElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (look.fillOnly) return;
  // The label stands at its anchor on its element, moved by its own offset.
  const auto at = NameLabelPosition(e);
  if (!at) return;
  DrawLabelAt(ctx, *at, LabelTextOf(ctx.doc, e, LanguageOf(ctx)), LabelFontOf(e, ctx.doc.nameFont),
              look);
}

void DrawTextElement(const DrawContext& ctx, const Element& e, const Look& look) {
  const TextExt* t = e.as<TextExt>();
  if (!t || look.fillOnly) return;
  // One colour for the whole text: its own flag, a halo or hidden colour, or a colour that
  // follows a number.
  const bool ownColour =
      t->third != 0 || look.colour != e.colour || (e.colourSource != nullptr && e.colourMode > 0);
  const RichTextLayout layout = LayOutRichText(CanvasMeasure(ctx.canvas), *t, ctx.opt.screenDpi);
  const PixelPoint origin = ctx.Pixel(t->x, t->y);
  if (!ctx.opt.realSize) {
    double y = origin.y;
    for (const RichTextLine& line : layout.lines) {
      ThumbnailStroke(ctx, {origin.x, static_cast<int>(y)}, line.width, t->font.colour);
      y += line.height * ctx.map.scale;
    }
    return;
  }
  const int32_t background = Background(ctx, look);
  if (background >= 0)
    ctx.canvas.FillRect({origin.x, origin.y, origin.x + layout.width, origin.y + layout.height},
                        background);
  for (const RichTextLine& line : layout.lines) {
    for (const RichTextPiece& piece : line.pieces) {
      const int32_t colour = ownColour ? look.colour : piece.colour;
      ctx.canvas.Text({origin.x + piece.x, origin.y + line.top + line.ascent - piece.ascent},
                      piece.text, piece.font, colour, -1);
    }
  }
}

void DrawButtonElement(const DrawContext& ctx, const Element& e, const Look& look) {
  const ButtonExt* b = e.as<ButtonExt>();
  if (!b || look.fillOnly) return;
  Canvas& c = ctx.canvas;
  const TextFont font = ToTextFont(LabelFontOf(e, ctx.doc.numberFont), ctx.opt.screenDpi);
  const std::string caption = ButtonCaptionOf(e, LanguageOf(ctx));
  const TextExtent ext = c.MeasureText(caption, font);
  const PixelPoint p = ctx.Pixel(SecondPointOf(e));
  const int w = ext.width + 2 * kButtonPadX, h = ext.height + 2 * kButtonPadY;
  if (!ctx.opt.realSize) {
    const int sw = std::max(1, static_cast<int>(std::lround(w * ctx.map.scale)));
    const int sh = std::max(1, static_cast<int>(std::lround(h * ctx.map.scale)));
    c.SetPen({look.colour, 1, LineStyle::kSolid});
    c.SetBrush({ctx.doc.backgroundColour, true});
    c.Rectangle({p.x, p.y, p.x + sw, p.y + sh});
    return;
  }
  const int l = p.x, t = p.y, r = p.x + w, btm = p.y + h;  // r, btm exclusive
  const bool up = e.attr2 == 1;
  const int32_t face = up || e.selected ? e.style : kGrey;
  c.FillRect({l, t, r, btm}, face < 0 ? kLightGrey : face);
  c.SetBrush({face, true});
  c.SetPen({kLightGrey, 1, LineStyle::kSolid});
  c.Rectangle({l, t, r, btm});
  auto line = [&](int32_t colour, PixelPoint a, PixelPoint z) {
    c.SetPen({colour, 1, LineStyle::kSolid});
    c.Line(a, z);
  };
  line(kBlack, {l, btm - 1}, {r, btm - 1});  // shadow along the bottom and right edges
  line(kBlack, {r - 1, t}, {r - 1, btm});
  if (up) {
    line(kWhite, {l + 1, t + 1}, {r - 2, t + 1});  // highlight along the top and left
    line(kWhite, {l + 1, t + 1}, {l + 1, btm - 2});
    c.Text({l + kButtonPadX - 1, t + kButtonPadY - 1}, caption, font, look.colour, -1);
  } else {
    c.SetBrush({face, true});
    c.SetPen({kBlack, 1, LineStyle::kSolid});
    c.Rectangle({l + 1, t + 1, r - 1, btm - 1});
    line(kWhite, {l + 2, btm - 3}, {r - 2, btm - 3});
    line(kWhite, {r - 3, t + 2}, {r - 3, btm - 2});
    c.Text({l + kButtonPadX, t + kButtonPadY}, caption, font, look.colour, -1);
  }
}

void DrawBitmapElement(const DrawContext& ctx, const Element& e, const Look& look) {
  const BitmapExt* bmp = e.as<BitmapExt>();
  if (!bmp || look.fillOnly) return;
  int w = 0, h = 0;
  if (!PictureSize(bmp->picture, w, h)) return;
  bool stretched = false;
  const PixelBox box =
      BitmapPixelBox(ctx.map, e, w, h, ctx.opt.realSize ? 1.0 : ctx.map.scale, stretched);
  Canvas& c = ctx.canvas;
  c.SetBrush({ctx.doc.backgroundColour, true});
  if (look.style < 0) {  // selection halo: a frame 2 to 3 pixels outside the picture
    c.SetPen({look.colour, 1, LineStyle::kSolid});
    c.Rectangle({box.left - 2, box.top - 2, box.right + 2, box.bottom + 2});
    c.Rectangle({box.left - 3, box.top - 3, box.right + 3, box.bottom + 3});
    return;
  }
  if (!ctx.opt.realSize) {
    c.SetPen({kThumbBlue, 1, LineStyle::kSolid});
    c.Rectangle(box);
    c.SetPen({kThumbYellow, 1, LineStyle::kSolid});
    c.Rectangle({box.left + 2, box.top + 2, box.right - 2, box.bottom - 2});
    return;
  }
  if (stretched)
    c.StretchPicture(box, bmp->picture);
  else
    c.DrawPicture({box.left, box.top}, bmp->picture);
}

}  // namespace velt
