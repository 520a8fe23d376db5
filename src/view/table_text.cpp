#include "view/table_text.h"

#include <algorithm>
#include <cmath>

#include "view/format_number.h"

namespace velt {

std::vector<std::vector<std::string>> TableRowsAsDrawn(const Element& table) {
  std::vector<std::vector<std::string>> rows;
  const TableExt* t = table.as<TableExt>();
  if (!t) return rows;
  const int values = std::clamp(t->rows, 0, kTableRows);
  const int elements = static_cast<int>(t->columns.size());
  auto cell = [&](int element, int value) {
    const size_t i = static_cast<size_t>(element) * kTableRows + static_cast<size_t>(value);
    const double v = i < t->grid.size() ? t->grid[i] : NAN;
    return std::isfinite(v) ? FormatNumber(v, table.decimals) : std::string(" -");
  };
  const bool transposed = table.attr1 == kTableTransposed;
  const int drawnRows = transposed ? values : elements;
  const int drawnColumns = transposed ? elements : values;
  for (int r = 0; r < drawnRows; ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < drawnColumns; ++c) row.push_back(transposed ? cell(c, r) : cell(r, c));
    rows.push_back(std::move(row));
  }
  return rows;
}

TableLayout LayOutTable(const Element& table, const TextMeasure& measure, const TextFont& font) {
  TableLayout out;
  out.cells = TableRowsAsDrawn(table);
  out.columns = out.cells.empty() ? 0 : static_cast<int>(out.cells.front().size());
  for (const auto& row : out.cells)
    for (const std::string& cell : row)
      out.cellWidth = std::max(out.cellWidth, measure.Measure(cell, font).width);
  out.cellHeight = measure.Measure("Wg", font).height - 3;
  return out;
}

std::string TableText(const Element& table) {
  std::string out;
  const auto rows = TableRowsAsDrawn(table);
  for (size_t r = 0; r < rows.size(); ++r) {
    if (r) out += '\n';
    for (size_t c = 0; c < rows[r].size(); ++c) {
      if (c) out += '\t';
      out += rows[r][c];
    }
  }
  return out;
}

}  // namespace velt
