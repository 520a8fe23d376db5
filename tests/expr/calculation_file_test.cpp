// A calculation saved in a document file and read back computes the same value from the same
// codes, with its references to its numbers rebuilt.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "expr/calculation.h"
#include "expr/token_codes.h"
#include "geometry/recompute.h"
#include "io/document_file.h"
#include "support/builders.h"

namespace velt {
namespace {

Element* Number(Document& doc, double v) {
  Element* p = test::Add(doc, kParameter, {});
  p->value[0] = v;
  p->attr1 = expr::kValidNumber;
  return p;
}

TEST(CalculationFile, CompiledExpressionRoundTrips) {
  auto doc = MakeDocument(Options{});
  Element* a = Number(*doc, 2);
  Element* b = Number(*doc, 5);
  Element* square = test::AddWithPicks(*doc, kFunction, {b});
  ASSERT_TRUE(expr::DefineExpression(*square, "X^2-A", expr::kYofX));
  Element* c = test::AddWithPicks(*doc, kCalculation, {a, square, b});
  ASSERT_TRUE(expr::DefineExpression(*c, "a*b+sqr(b)^2/pi-F1(3,5)", 0));
  RecomputeAll(*doc);
  const double want = 2 * 5 + 5 / std::numbers::pi - (3.5 * 3.5 - 5);
  ASSERT_NEAR(c->value[0], want, 1e-13);

  const std::string bytes = DocumentFileBytes(*doc);
  DocumentLoad load = ReadDocumentBytes(bytes, Options{});
  ASSERT_TRUE(load.document);
  Document& back = *load.document;
  ASSERT_EQ(back.elements().size(), 4u);
  Element& c2 = *back.elements()[3];
  const auto& x1 = *c->as<ExpressionExt>();
  const auto* x2 = c2.as<ExpressionExt>();
  ASSERT_TRUE(x2);
  EXPECT_EQ(x2->text, x1.text);
  EXPECT_EQ(x2->tokens, x1.tokens);
  ASSERT_EQ(x2->table.size(), x1.table.size());
  for (size_t i = 1 + 3; i < x1.table.size(); ++i) EXPECT_EQ(x2->table[i], x1.table[i]);
  ASSERT_EQ(x2->variables.size(), 3u);
  EXPECT_EQ(x2->variables[0], back.elements()[0].get());
  EXPECT_EQ(x2->variables[1], back.elements()[2].get());
  EXPECT_EQ(x2->variables[2], back.elements()[1].get());

  c2.value[0] = 0;
  RecomputeAll(back);
  EXPECT_EQ(c2.attr1, expr::kValidNumber);
  EXPECT_NEAR(c2.value[0], want, 1e-13);
  back.elements()[1]->value[0] = 4;  // b
  RecomputeAll(back);
  EXPECT_NEAR(c2.value[0], 2 * 4 + 4 / std::numbers::pi - (3.5 * 3.5 - 4), 1e-13);
}

}  // namespace
}  // namespace velt
