#include "expr/function_table.h"

#include <array>

#include "expr/token_codes.h"

namespace velt::expr {

std::span<const FunctionEntry> FunctionTable() {
  static const std::array<FunctionEntry, 35> table = {{
      {"SIN", kSin},       {"COS", kCos},       {"TAN", kTan},         {"ASIN", kAsin},
      {"ACOS", kAcos},     {"ATAN", kAtan},     {"LN", kLn},           {"LOG", kLog},
      {"ABS", kAbs},       {"SQR", kSqr},       {"INT", kInt},         {"SGN", kSgn},
      {"CEIL", kCeil},     {"FLOOR", kFloor},   {"ROUND", kRound},     {"EXP", kExp},
      {"SINH", kSinh},     {"COSH", kCosh},     {"TANH", kTanh},       {"SEC", kSec},
      {"COSEC", kCosec},   {"COTG", kCotg},     {"RANDOM", kRandom},   {"SECH", kSech},
      {"COSECH", kCosech}, {"COTGH", kCotgh},   {"ASINH", kAsinh},     {"ACOSH", kAcosh},
      {"ATANH", kAtanh},   {"ASECH", kAsech},   {"ACOSECH", kAcosech}, {"ACOTGH", kAcotgh},
      {"ASEC", kAsec},     {"ACOSEC", kAcosec}, {"ACOTG", kAcotg},
  }};
  return table;
}

std::optional<int32_t> LookupOperatorOrFunction(std::string_view token) {
  if (token.size() == 1) {
    static constexpr std::string_view kOperators = "+-*/^()";
    if (kOperators.find(token[0]) != std::string_view::npos) return token[0];
  }
  for (const FunctionEntry& f : FunctionTable())
    if (f.name == token) return f.code;
  return std::nullopt;
}

bool IsBuiltInFunction(int32_t code) {
  for (const FunctionEntry& f : FunctionTable())
    if (f.code == code) return true;
  return false;
}

int PrecedenceClass(int32_t code) {
  switch (code) {
    case kOpen: return 0;
    case kPlus:
    case kMinus: return 1;
    case kTimes:
    case kDivide: return 2;
    case kPower: return 3;
    case kNegate: return 4;
    case kClose: return 99;
    default: return IsUserFunction(code) || IsBuiltInFunction(code) ? 5 : -1;
  }
}

}  // namespace velt::expr
