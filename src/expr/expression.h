#pragma once
// The expression engine: text -> tokens -> infix codes -> postfix codes -> value.
// Every entry point reports failure as a false or empty result; none throws.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "expr/eval_context.h"
#include "expr/token_codes.h"

namespace velt {
struct Element;
}

namespace velt::expr {

// One token of a text: where it starts and how many characters it covers.
struct TokenSpan {
  int start = 0;
  int length = 0;
};

// Removes every blank and converts to upper case, in place.
void NormalizeExpression(std::string& text);

// Splits a text into tokens: each of "+-*/^()" alone, every maximal run of other characters
// as one token. Fails on an empty text, a text of kMaxTextLength characters or more, or a
// byte outside ASCII.
std::optional<std::vector<TokenSpan>> Tokenize(std::string_view text);

// A number written with digits and at most one decimal point (a comma counts as the point);
// no sign, no exponent.
std::optional<double> ParseNumber(std::string_view token);

// Compiles a normalised text to infix codes. nLetters numbers (lettered A, B, ...) and
// nFunctions user functions (F1, F2, ...) may be referenced; the type selects the variable.
bool CompileExpression(std::string_view text, int nLetters, int nFunctions,
                       std::vector<int32_t>& codes, int32_t type);

// Operator-precedence conversion of infix codes (as CompileExpression makes them).
bool ToPostfix(std::span<const int32_t> infix, std::vector<int32_t>& postfix);

// True when the postfix codes leave exactly one value and never underflow or overflow the
// stack, and every code is known.
bool CheckPostfix(std::span<const int32_t> postfix);

// Appends the literal constants (numbers and PI) of a normalised text, in order of appearance,
// to the value table; the first one goes to slot `base`. The table grows as needed.
// False when the text cannot be split into tokens.
bool CollectConstants(std::string_view text, int base, std::vector<double>& table);

// Evaluates postfix codes over a value table (slot 0 receives the result, letter j reads
// slot j + 1, constant k slot base + k). The variable, when given, is the value of X, Y, W or
// R; userFunctions[n - 1] is the function element that Fn calls. False on any numeric error.
bool EvaluatePostfix(std::span<const int32_t> postfix, std::span<double> table,
                     std::optional<double> variable, std::span<const Element* const> userFunctions,
                     const EvalContext& ctx);

// A text compiled to the point of evaluation: postfix codes and the value table with its
// constants in place (letter slots zero).
struct CompiledExpression {
  std::vector<int32_t> postfix;
  std::vector<double> table;
};

// The whole chain for one text: normalise, compile, convert, check and collect constants.
std::optional<CompiledExpression> BuildExpression(std::string text, int nLetters, int nFunctions,
                                                  int32_t type);

// The value of a text without letters, functions or variables, as numeric entry fields read
// it; empty when it cannot be compiled or evaluated.
std::optional<double> EvaluateConstantText(std::string_view text, const EvalContext& ctx = {});

}  // namespace velt::expr
