// Converting infix codes to postfix, checking postfix codes, collecting literal constants.
#include <numbers>

#include "expr/expression.h"
#include "expr/function_table.h"

namespace velt::expr {

bool ToPostfix(std::span<const int32_t> infix, std::vector<int32_t>& postfix) {
  postfix.clear();
  std::vector<int32_t> stack;
  for (int32_t code : infix) {
    if (code == kEnd) break;
    if (IsOperand(code)) {
      postfix.push_back(code);
    } else if (code == kOpen) {
      stack.push_back(code);
    } else if (code == kClose) {
      while (!stack.empty() && stack.back() != kOpen) {
        postfix.push_back(stack.back());
        stack.pop_back();
      }
      if (stack.empty()) return false;
      stack.pop_back();
    } else {
      const int cls = PrecedenceClass(code);
      if (cls < 0) return false;
      while (!stack.empty() && PrecedenceClass(stack.back()) >= cls) {
        postfix.push_back(stack.back());
        stack.pop_back();
      }
      stack.push_back(code);
    }
  }
  for (; !stack.empty(); stack.pop_back())
    if (stack.back() != kOpen) postfix.push_back(stack.back());
  return true;
}

bool CheckPostfix(std::span<const int32_t> postfix) {
  int depth = 0;
  for (int32_t code : postfix) {
    if (code == kEnd) break;
    if (IsOperand(code)) {
      if (++depth > kStackSize) return false;
    } else if (IsBinaryOperator(code)) {
      if (depth < 2) return false;
      --depth;
    } else if (code == kNegate || IsUserFunction(code) || IsBuiltInFunction(code)) {
      if (depth < 1) return false;
    } else {
      return false;
    }
  }
  return depth == 1;
}

bool CollectConstants(std::string_view text, int base, std::vector<double>& table) {
  if (base < 1) return false;
  const auto tokens = Tokenize(text);
  if (!tokens) return false;
  int slot = base;
  for (const TokenSpan& t : *tokens) {
    const std::string_view token = text.substr(t.start, t.length);
    const std::optional<double> value =
        token == "PI" ? std::optional<double>(std::numbers::pi) : ParseNumber(token);
    if (!value) continue;
    if (table.size() <= static_cast<size_t>(slot)) table.resize(slot + 1, 0.0);
    table[slot++] = *value;
  }
  return true;
}

}  // namespace velt::expr
