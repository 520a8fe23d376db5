#pragma once
// The codes of a compiled expression and the limits of the engine.
#include <cstdint>
#include <string_view>

namespace velt::expr {

// Operators and parentheses carry their character code; unary minus has its own code.
inline constexpr int32_t kPlus = '+';
inline constexpr int32_t kMinus = '-';
inline constexpr int32_t kTimes = '*';
inline constexpr int32_t kDivide = '/';
inline constexpr int32_t kPower = '^';
inline constexpr int32_t kOpen = '(';
inline constexpr int32_t kClose = ')';
inline constexpr int32_t kNegate = 110;
inline constexpr int32_t kEnd = 0;  // an optional terminator of a code array

// User function n is written Fn and compiled to kUserFunctionBase + n (n >= 1).
inline constexpr int32_t kUserFunctionBase = 1000;

// The free variable of a function, one per function type.
inline constexpr int32_t kVariableX = -1001;
inline constexpr int32_t kVariableY = -1002;
inline constexpr int32_t kVariableW = -1003;
inline constexpr int32_t kVariableR = -1004;

// Function types: 0 a plain calculation, then y=f(x), x=f(y), r=f(w), w=f(r).
enum FunctionType : int32_t {
  kPlainCalculation = 0,
  kYofX = 1,
  kXofY = 2,
  kRofW = 3,
  kWofR = 4,
};

// Letters that stand for the referenced numbers, in order; R, W, X and Y are variables.
inline constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQSTUVZ";

// A text of this many characters or more is refused.
inline constexpr int kMaxTextLength = 100;
// Inserted parentheses may not take a compiled expression past this many tokens.
inline constexpr int kMaxCompiledTokens = 98;
// Values on the evaluation stack.
inline constexpr int kStackSize = 100;

// Operands are negative: variables, letters and constants.
constexpr bool IsOperand(int32_t code) { return code < 0; }
constexpr bool IsUserFunction(int32_t code) { return code > kUserFunctionBase; }
constexpr bool IsBinaryOperator(int32_t code) {
  return code == kPlus || code == kMinus || code == kTimes || code == kDivide || code == kPower;
}
// A variable code that is valid for the function type (none for a plain calculation).
constexpr int32_t VariableOfType(int32_t type) {
  return type >= kYofX && type <= kWofR ? -1000 - type : 0;
}
constexpr bool IsVariable(int32_t code) { return code <= kVariableX && code >= kVariableR; }

// Precedence class of an operator-like code: ( 0, + - 1, * / 2, ^ 3, unary minus 4,
// functions 5, ) 99. Operands and unknown codes give -1.
int PrecedenceClass(int32_t code);

}  // namespace velt::expr
