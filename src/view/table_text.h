#pragma once
// The cells of a table (kind 38) as the drawing lays them out.
#include <string>
#include <vector>

#include "model/element.h"
#include "view/text_measure.h"

namespace velt {

// attr1 of a table drawn with each tabulated element as a column (values downwards).
inline constexpr int32_t kTableTransposed = -100;

// One entry per drawn row, left to right: each value in fixed notation with the table's
// decimals, " -" for a cell without value. A transposed table has one drawn row per recorded
// value; otherwise one per tabulated element.
std::vector<std::vector<std::string>> TableRowsAsDrawn(const Element& table);

// The drawn grid of a table: its cells as drawn, every cell as wide as the widest cell text
// and one line of the font, less 3 pixels, high.
struct TableLayout {
  std::vector<std::vector<std::string>> cells;  // drawn rows, left to right
  int columns = 0;                              // cells in each drawn row
  int cellWidth = 0, cellHeight = 0;            // pixels
};
TableLayout LayOutTable(const Element& table, const TextMeasure& measure, const TextFont& font);

// The rows joined: cells by a tab, rows by a line feed.
std::string TableText(const Element& table);

}  // namespace velt
