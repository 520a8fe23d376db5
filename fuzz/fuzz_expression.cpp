// Compiles and evaluates arbitrary texts, and evaluates arbitrary code arrays as a damaged file
// could hold them. Every result must be a clean failure or a finite value.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "expr/dimension.h"
#include "expr/expression.h"
#include "expr/variables.h"
#include "model/element.h"

using namespace velt;

namespace {

void Require(bool ok) {
  if (!ok) __builtin_trap();
}

// Raw codes and a raw value table, as read from a file without compiling.
void RunRawCodes(const uint8_t* data, size_t size, const expr::EvalContext& ctx) {
  const size_t nCodes = std::min<size_t>(size / 4, 200);
  std::vector<int32_t> codes(nCodes);
  if (nCodes > 0) std::memcpy(codes.data(), data, nCodes * 4);
  data += nCodes * 4;
  size -= nCodes * 4;
  std::vector<double> table(1 + size / 8);
  if (size >= 8) std::memcpy(table.data() + 1, data, (table.size() - 1) * 8);
  expr::CheckPostfix(codes);
  if (expr::EvaluatePostfix(codes, table, 1.5, {}, ctx)) Require(std::isfinite(table[0]));
  const int32_t letters[] = {expr::kLength, expr::kArea, expr::kAngleDimension};
  const int32_t d = expr::PostfixDimension(codes, table, letters);
  Require(d >= expr::kNoDimension && d <= expr::kAngleDimension);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t flags = data[0];
  const int nLetters = data[1] % 24;
  data += 2;
  size -= 2;
  expr::RandomSource random(7);
  expr::EvalContext ctx;
  ctx.angleUnit = flags & 3;
  ctx.random = &random;
  const int32_t type = (flags >> 2) % 5;

  if (flags & 0x80) {
    RunRawCodes(data, size, ctx);
    return 0;
  }

  // The text of the calculation, then after a line break the body of a user function that
  // may call itself.
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t cut = input.find('\n');
  const std::string text = input.substr(0, cut);
  const std::string body = cut == std::string::npos ? "X" : input.substr(cut + 1);

  if (auto v = expr::EvaluateConstantText(text, ctx)) Require(std::isfinite(*v));

  Element number;
  number.kind = kCalculation;
  number.value[0] = 0.75;
  number.attr1 = 100;
  Element function;
  function.kind = kFunction;
  function.ext = ExpressionExt{};
  auto& fx = *function.as<ExpressionExt>();
  fx.variables = {&number, &function};
  if (auto built = expr::BuildExpression(body, 1, 1, expr::kYofX)) {
    fx.tokens = built->postfix;
    fx.table = built->table;
  }

  auto compiled = expr::BuildExpression(text, nLetters, 1, type);
  if (!compiled) return 0;
  Require(compiled->postfix.size() <= 99);
  Require(expr::CheckPostfix(compiled->postfix));
  for (int i = 1; i <= nLetters; ++i) compiled->table[i] = 0.5 * i - 3;
  const Element* functions[] = {&function};
  if (expr::EvaluatePostfix(compiled->postfix, compiled->table, -2.25, functions, ctx))
    Require(std::isfinite(compiled->table[0]));
  std::vector<int32_t> letterDimensions(nLetters);
  for (int i = 0; i < nLetters; ++i) letterDimensions[i] = i % 4;
  const int32_t d = expr::PostfixDimension(compiled->postfix, compiled->table, letterDimensions);
  Require(d >= expr::kNoDimension && d <= expr::kAngleDimension);
  return 0;
}
