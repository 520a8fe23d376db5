// The whole chain from a text to something the evaluator runs.
#include "expr/expression.h"

namespace velt::expr {

std::optional<CompiledExpression> BuildExpression(std::string text, int nLetters, int nFunctions,
                                                  int32_t type) {
  NormalizeExpression(text);
  std::vector<int32_t> infix;
  if (!CompileExpression(text, nLetters, nFunctions, infix, type)) return std::nullopt;
  CompiledExpression compiled;
  if (!ToPostfix(infix, compiled.postfix) || !CheckPostfix(compiled.postfix)) return std::nullopt;
  const int base = 1 + nLetters + nFunctions;
  compiled.table.assign(base, 0.0);
  if (!CollectConstants(text, base, compiled.table)) return std::nullopt;
  return compiled;
}

std::optional<double> EvaluateConstantText(std::string_view text, const EvalContext& ctx) {
  auto compiled = BuildExpression(std::string(text), 0, 0, kPlainCalculation);
  if (!compiled) return std::nullopt;
  if (!EvaluatePostfix(compiled->postfix, compiled->table, std::nullopt, {}, ctx))
    return std::nullopt;
  return compiled->table[0];
}

}  // namespace velt::expr
