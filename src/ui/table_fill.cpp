#include "ui/table_fill.h"

#include <cmath>

#include "expr/calculation.h"

namespace velt {
namespace {

// What a tabulated element gives a new cell.
double CellValue(const Element* e) {
  if (!e || !e->exists || e->attr1 == expr::kNumberWithoutValue || !std::isfinite(e->value[0]))
    return kTableNoValue;
  return e->value[0];
}

bool SameCell(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

}  // namespace

void RecordTableColumn(Element& table, int column) {
  auto* t = table.as<TableExt>();
  if (!t || column < 0 || column >= kTableRows) return;
  t->grid.resize(t->columns.size() * kTableRows, kTableNoValue);
  for (size_t i = 0; i < t->columns.size(); ++i)
    t->grid[i * kTableRows + static_cast<size_t>(column)] = CellValue(t->columns[i]);
}

bool TableWantsColumn(const Element& table) {
  const auto* t = table.as<TableExt>();
  if (!t || t->columns.empty() || t->rows >= kTableRows) return false;
  if (t->rows < 1) return true;
  const size_t last = static_cast<size_t>(t->rows - 1);
  for (size_t i = 0; i < t->columns.size(); ++i) {
    const size_t at = i * kTableRows + last;
    const double stored = at < t->grid.size() ? t->grid[at] : kTableNoValue;
    if (!SameCell(stored, CellValue(t->columns[i]))) return true;
  }
  return false;
}

bool AppendTableColumn(Element& table) {
  if (!TableWantsColumn(table)) return false;
  auto* t = table.as<TableExt>();
  RecordTableColumn(table, t->rows);
  ++t->rows;
  return true;
}

}  // namespace velt
