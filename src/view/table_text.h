#pragma once
// The cells of a table (kind 38) as the drawing lays them out.
#include <string>
#include <vector>

#include "model/element.h"

namespace velt {

// attr1 of a table drawn with each tabulated element as a column (values downwards).
inline constexpr int32_t kTableTransposed = -100;

// One entry per drawn row, left to right: each value in fixed notation with the table's
// decimals, " -" for a cell without value. A transposed table has one drawn row per recorded
// value; otherwise one per tabulated element.
std::vector<std::vector<std::string>> TableRowsAsDrawn(const Element& table);

// The rows joined: cells by a tab, rows by a line feed.
std::string TableText(const Element& table);

}  // namespace velt
