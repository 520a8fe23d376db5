// Compiling a normalised text to infix codes.
#include <charconv>

#include "expr/expression.h"
#include "expr/function_table.h"

namespace velt::expr {
namespace {

// Fn with n a canonical decimal integer (no sign, no leading zero).
std::optional<int> UserFunctionNumber(std::string_view token) {
  if (token.size() < 2 || token.size() > 4 || token[0] != 'F') return std::nullopt;
  const std::string_view digits = token.substr(1);
  if (digits[0] == '0') return std::nullopt;
  int n = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (ec != std::errc() || end != digits.data() + digits.size() || n < 1) return std::nullopt;
  return n;
}

std::optional<int32_t> VariableCode(std::string_view token) {
  if (token == "X") return kVariableX;
  if (token == "Y") return kVariableY;
  if (token == "W") return kVariableW;
  if (token == "R") return kVariableR;
  return std::nullopt;
}

// The code of one token, or empty when the token means nothing here.
std::optional<int32_t> CodeOfToken(std::string_view token, int nLetters, int nFunctions,
                                   int32_t type, int& constants) {
  if (auto code = LookupOperatorOrFunction(token)) return code;
  if (auto n = UserFunctionNumber(token)) {
    if (*n > nFunctions) return std::nullopt;
    return kUserFunctionBase + *n;
  }
  if (auto v = VariableCode(token)) {
    if (*v != VariableOfType(type)) return std::nullopt;
    return v;
  }
  if (token == "PI" || ParseNumber(token)) {
    return -(nFunctions + nLetters + ++constants);
  }
  if (token.size() == 1) {
    const size_t j = kLetters.find(token[0]);
    if (j != std::string_view::npos && static_cast<int>(j) < nLetters)
      return -static_cast<int32_t>(j + 1);
  }
  return std::nullopt;
}

bool Insert(std::vector<int32_t>& codes, size_t at, int32_t code) {
  if (codes.size() + 1 > static_cast<size_t>(kMaxCompiledTokens)) return false;
  codes.insert(codes.begin() + static_cast<std::ptrdiff_t>(at), code);
  return true;
}

// Unary minus binds tighter than every binary operator: "(" goes after it and ")" before
// the first later binary operator outside the groups that open after it, or at the end.
bool BracketUnaryMinus(std::vector<int32_t>& codes) {
  for (size_t i = 0; i < codes.size(); ++i) {
    if (codes[i] != kNegate) continue;
    if (!Insert(codes, i + 1, kOpen)) return false;
    size_t j = i + 2;
    int depth = 0;
    for (; j < codes.size(); ++j) {
      const int32_t c = codes[j];
      if (c == kOpen) {
        ++depth;
      } else if (c == kClose) {
        if (depth > 0) --depth;
      } else if (depth == 0 && IsBinaryOperator(c)) {
        break;
      }
    }
    if (!Insert(codes, j, kClose)) return false;
  }
  return true;
}

bool BalanceParentheses(std::vector<int32_t>& codes) {
  int open = 0, close = 0;
  for (int32_t c : codes) {
    if (c == kOpen) ++open;
    if (c == kClose) ++close;
  }
  for (; close > open; ++open)
    if (!Insert(codes, 0, kOpen)) return false;
  for (; open > close; ++close)
    if (!Insert(codes, codes.size(), kClose)) return false;
  return true;
}

// Ignoring parentheses, whatever follows an operand must be a binary operator.
bool NoAdjacentOperands(const std::vector<int32_t>& codes) {
  bool afterOperand = false;
  for (int32_t c : codes) {
    if (c == kOpen || c == kClose) continue;
    if (afterOperand && !IsBinaryOperator(c)) return false;
    afterOperand = IsOperand(c);
  }
  return true;
}

}  // namespace

bool CompileExpression(std::string_view text, int nLetters, int nFunctions,
                       std::vector<int32_t>& codes, int32_t type) {
  codes.clear();
  if (nLetters < 0 || nFunctions < 0 || nLetters + nFunctions > kUserFunctionBase / 2) return false;
  const auto tokens = Tokenize(text);
  if (!tokens) return false;
  int constants = 0;
  for (const TokenSpan& t : *tokens) {
    const auto code =
        CodeOfToken(text.substr(t.start, t.length), nLetters, nFunctions, type, constants);
    if (!code) return false;
    // A minus is unary at the start and after an operator, "(" or a function.
    const bool unary =
        *code == kMinus && (codes.empty() || (codes.back() > 0 && codes.back() != kClose));
    codes.push_back(unary ? kNegate : *code);
  }
  if (!BracketUnaryMinus(codes) || !BalanceParentheses(codes) || !NoAdjacentOperands(codes)) {
    codes.clear();
    return false;
  }
  return true;
}

}  // namespace velt::expr
