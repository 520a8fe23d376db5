#include "view/element_box.h"

#include <algorithm>
#include <cmath>

#include "view/draw_context.h"
#include "view/label_text.h"
#include "view/name_anchor.h"
#include "view/rich_text.h"
#include "view/table_text.h"

namespace velt {
namespace {

WorldRect FromPixels(const ViewMapping& map, const PixelBox& b) {
  const WorldPoint tl = PixelToWorld(map, b.left, b.top);
  const WorldPoint br = PixelToWorld(map, b.right, b.bottom);
  return {tl.x, tl.y, br.x, br.y};
}

// A box of the given pixel size with its top-left corner at a plane point.
std::optional<WorldRect> BoxAt(const ViewMapping& map, WorldPoint at, int width, int height) {
  if (!std::isfinite(at.x) || !std::isfinite(at.y) || width <= 0 || height <= 0)
    return std::nullopt;
  const PixelPoint p = WorldToPixel(map, at.x, at.y);
  return FromPixels(map, {p.x, p.y, p.x + width, p.y + height});
}

TextFont FontOf(const Element& e, const Font& fallback, int dpi) {
  return ToTextFont(e.labelFont ? *e.labelFont : fallback, dpi);
}

std::optional<WorldRect> TextBox(const ViewMapping& map, WorldPoint at, const std::string& text,
                                 const TextFont& font, const TextMeasure& measure) {
  if (text.empty()) return std::nullopt;
  const TextExtent ext = measure.Measure(text, font);
  return BoxAt(map, at, ext.width, ext.height);
}

// A table: its grid of cells as the drawing lays it out.
std::optional<WorldRect> TableBox(const Element& e, const ViewMapping& map, const TextFont& font,
                                  const TextMeasure& measure) {
  const TableLayout layout = LayOutTable(e, measure, font);
  const int down = static_cast<int>(layout.cells.size());
  if (down == 0 || layout.columns == 0) return std::nullopt;
  return BoxAt(map, {e.value[2], e.value[3]}, layout.columns * layout.cellWidth,
               down * layout.cellHeight);
}

// A coordinate number (kind 43 or 44) inside its owner's text "name(x;y)": the x text right
// after the name and "(", the y text after the x text and ";".
std::optional<WorldRect> CoordinatePieceBox(const Document& doc, const Element& e,
                                            const ViewMapping& map, const TextMeasure& measure,
                                            int screenDpi) {
  const Element& owner = *e.owner;
  const auto pieces = CoordinatesTextOf(owner);
  if (!pieces) return std::nullopt;
  const TextFont font = FontOf(owner, doc.numberFont, screenDpi);
  const bool first = e.kind == kCoordinateX;
  const std::string before = first ? pieces->lead : pieces->lead + pieces->x + pieces->separator;
  const std::string& text = first ? pieces->x : pieces->y;
  const WorldPoint at{owner.value[2], owner.value[3]};
  if (!std::isfinite(at.x) || !std::isfinite(at.y)) return std::nullopt;
  const PixelPoint p = WorldToPixel(map, at.x, at.y);
  const int left = p.x + (before.empty() ? 0 : measure.Measure(before, font).width);
  const TextExtent size = measure.Measure(text, font);
  if (size.width <= 0 || size.height <= 0) return std::nullopt;
  return FromPixels(map, {left, p.y, left + size.width, p.y + size.height});
}

}  // namespace

PixelBox BitmapPixelBox(const ViewMapping& map, const Element& e, int width, int height,
                        double scale, bool& stretched) {
  stretched = false;
  const Element* anchor = e.parent[0];
  if (anchor && (anchor->type() == kTypeSegment || anchor->type() == kTypeVector)) {
    stretched = true;
    const PixelPoint a = WorldToPixel(map, anchor->value[0], anchor->value[1]);
    const PixelPoint b = WorldToPixel(map, anchor->value[2], anchor->value[3]);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
  }
  const Element& at = anchor ? *anchor : e;
  const PixelPoint p = WorldToPixel(map, at.value[0], at.value[1]);
  const int code = e.attr1 >= 1 && e.attr1 <= 9 ? e.attr1 - 1 : 0;
  const int col = code % 3, row = code / 3;  // 0 left/top, 1 centre, 2 right/bottom
  const int sw = static_cast<int>(std::lround(width * scale));
  const int sh = static_cast<int>(std::lround(height * scale));
  const int left = p.x - col * sw / 2, top = p.y - row * sh / 2;
  return {left, top, left + sw, top + sh};
}

std::optional<WorldRect> ElementBox(const Document& doc, const Element& e, const ViewMapping& map,
                                    const TextMeasure& measure, int screenDpi,
                                    const LanguageTable* language) {
  const WorldPoint labelAt{e.value[2], e.value[3]};
  const LanguageTable& lang = language ? *language : BuiltInLanguage();
  if (e.owner && (e.kind == kCoordinateX || e.kind == kCoordinateY))
    return CoordinatePieceBox(doc, e, map, measure, screenDpi);
  switch (e.type()) {
    case kTypeName: {
      const auto at = NameLabelPosition(e);
      if (!at) return std::nullopt;
      return TextBox(map, *at, LabelTextOf(doc, e, lang), FontOf(e, doc.nameFont, screenDpi),
                     measure);
    }
    case kTypeNumber:
    case kTypeFunction:
    case kTypeEquation:
    case kTypeCoordinates:
    case kTypeProperty:
      return TextBox(map, labelAt, LabelTextOf(doc, e, lang), FontOf(e, doc.numberFont, screenDpi),
                     measure);
    case kTypeText: {
      const TextExt* t = e.as<TextExt>();
      if (!t) return std::nullopt;
      const RichTextLayout layout = LayOutRichText(measure, *t, screenDpi);
      return BoxAt(map, {double(t->x), double(t->y)}, layout.width, layout.height);
    }
    case kTypeTable: return TableBox(e, map, FontOf(e, doc.numberFont, screenDpi), measure);
    case kTypeButton: {
      const ButtonExt* b = e.as<ButtonExt>();
      if (!b) return std::nullopt;
      const TextExtent ext =
          measure.Measure(ButtonCaptionOf(e, lang), FontOf(e, doc.numberFont, screenDpi));
      return BoxAt(map, labelAt, ext.width + 2 * kButtonPadX, ext.height + 2 * kButtonPadY);
    }
    case kTypeBitmap: {
      const BitmapExt* bmp = e.as<BitmapExt>();
      int w = 0, h = 0;
      if (!bmp || !PictureSize(bmp->picture, w, h)) return std::nullopt;
      bool stretched = false;
      return FromPixels(map, BitmapPixelBox(map, e, w, h, 1.0, stretched));
    }
    default: return std::nullopt;
  }
}

}  // namespace velt
