#pragma once
// Filling a table of values (kind 38): each tabulated element keeps one value per recorded
// column, at most kTableRows of them; only the table tool records.
#include <limits>

#include "model/element.h"

namespace velt {

// The cell of an element that had no value when the column was recorded.
inline constexpr double kTableNoValue = std::numeric_limits<double>::quiet_NaN();

// Overwrites recorded column `column` with the tabulated elements' current values.
void RecordTableColumn(Element& table, int column);
// Whether a new column would differ from the last recorded one, and there is room for it.
bool TableWantsColumn(const Element& table);
// Appends a column of the current values when TableWantsColumn; false otherwise.
bool AppendTableColumn(Element& table);

}  // namespace velt
