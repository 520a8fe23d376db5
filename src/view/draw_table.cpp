// Tables of values (element type 14): a grid of cells with the tabulated elements' names as
// headers, beside their rows or above their columns when the table is transposed.
#include <algorithm>

#include "view/draw_types.h"
#include "view/element_text.h"
#include "view/table_text.h"
#include "view/text_measure.h"

namespace velt {

void DrawTableElement(const DrawContext& ctx, const Element& e, const Look& look) {
  const auto* t = e.as<TableExt>();
  if (!t || look.fillOnly) return;
  const TextFont font =
      ToTextFont(e.labelFont ? *e.labelFont : ctx.doc.numberFont, ctx.opt.screenDpi);
  const CanvasMeasure measure(ctx.canvas);
  const TableLayout layout = LayOutTable(e, measure, font);
  const int down = static_cast<int>(layout.cells.size());
  if (down == 0 || layout.columns == 0) return;
  const int w = layout.cellWidth, h = std::max(layout.cellHeight, 1);
  const PixelPoint origin = ctx.Pixel(e.value[2], e.value[3]);
  const int right = origin.x + layout.columns * w, bottom = origin.y + down * h;
  if (ctx.opt.realSize && look.style >= 0)
    ctx.canvas.FillRect({origin.x, origin.y, right, bottom}, look.style);
  ctx.canvas.SetPen({look.colour, 1, LineStyle::kSolid});
  for (int j = 0; j <= layout.columns; ++j)
    ctx.canvas.Line({origin.x + j * w, origin.y}, {origin.x + j * w, bottom + 1});
  for (int i = 0; i <= down; ++i)
    ctx.canvas.Line({origin.x, origin.y + i * h}, {right + 1, origin.y + i * h});
  if (!ctx.opt.realSize) return;  // the thumbnail shows the grid only
  for (int i = 0; i < down; ++i)
    for (int j = 0; j < layout.columns; ++j)
      ctx.canvas.Text({origin.x + j * w, origin.y + i * h}, layout.cells[i][j], font, look.colour,
                      -1);
  // The names of the tabulated elements: right-aligned 5 pixels before their row, or above
  // their column when transposed.
  const bool transposed = e.attr1 == kTableTransposed;
  for (size_t k = 0; k < t->columns.size(); ++k) {
    const Element* v = t->columns[k];
    const std::string name = v ? ShortNameOf(*v) : std::string();
    if (name.empty()) continue;
    const int index = static_cast<int>(k);
    if (transposed) {
      if (index >= layout.columns) break;
      ctx.canvas.Text({origin.x + index * w, origin.y - h}, name, font, look.colour, -1);
    } else {
      if (index >= down) break;
      const int width = measure.Measure(name, font).width;
      ctx.canvas.Text({origin.x - 5 - width, origin.y + index * h}, name, font, look.colour, -1);
    }
  }
}

}  // namespace velt
