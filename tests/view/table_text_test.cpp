// Table cells as the drawing lays them out, in both orientations.
#include "view/table_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/builders.h"

namespace velt {
namespace {

TEST(TableText, CellsRowByRowInBothOrientations) {
  auto doc = MakeDocument(Options{});
  Element* a = test::AddPoint(*doc, 0, 0);
  Element* b = test::AddPoint(*doc, 1, 0);
  Element* t = test::AddWithPicks(*doc, kTable, {a, b});
  auto& x = *t->as<TableExt>();
  t->decimals = 1;
  x.rows = 3;
  // Element a recorded 1, 2, 3; element b 4, no value, 6.
  x.grid[0] = 1, x.grid[1] = 2, x.grid[2] = 3;
  x.grid[kTableRows] = 4, x.grid[kTableRows + 1] = NAN, x.grid[kTableRows + 2] = 6.25;
  t->attr1 = kTableTransposed;  // each element a column
  EXPECT_EQ(TableText(*t), "1.0\t4.0\n2.0\t -\n3.0\t6.3");
  t->attr1 = 100;  // each element a row
  EXPECT_EQ(TableText(*t), "1.0\t2.0\t3.0\n4.0\t -\t6.3");
}

}  // namespace
}  // namespace velt
