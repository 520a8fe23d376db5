#include "expr/variables.h"

namespace velt::expr {

namespace {
constexpr int32_t kNoValue = -100;  // attr1 of a number that exists without a value
}

bool IsUserFunctionElement(const Element* e) { return e && e->kind == kFunction; }

VariableCounts CountVariables(const ExpressionExt& x) {
  VariableCounts counts;
  for (const Element* v : x.variables)
    ++(IsUserFunctionElement(v) ? counts.functions : counts.letters);
  return counts;
}

std::vector<const Element*> UserFunctionsOf(const ExpressionExt& x) {
  std::vector<const Element*> functions;
  for (const Element* v : x.variables)
    if (IsUserFunctionElement(v)) functions.push_back(v);
  return functions;
}

bool LoadVariableValues(const ExpressionExt& x, std::span<double> table) {
  size_t slot = 1;
  for (const Element* v : x.variables) {
    if (IsUserFunctionElement(v)) continue;
    if (!v || !v->exists || v->attr1 == kNoValue || slot >= table.size()) return false;
    table[slot++] = v->value[0];
  }
  return true;
}

}  // namespace velt::expr
