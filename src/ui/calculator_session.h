#pragma once
// The calculator of tools 42 (calculations), 43 (parameters) and 44 (functions): the
// expression being entered, the numbers and user functions picked for it, and what its
// buttons write. The window's dialog only shows this state and forwards its buttons.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "ui/language.h"
#include "ui/tool_table.h"
#include "view/number_letters.h"

namespace velt {

enum class CalculatorPurpose : int8_t { Calculation, Parameter, Function };

// The buttons that write into the expression.
enum class CalcButton : int8_t {
  Sin,
  Cos,
  Tan,
  Log,
  Ln,
  Power,
  Sqr,
  Divide,
  Times,
  Plus,
  Minus,
  Pi,
  RightParen,
  LeftParen,
  Abs,
  Int,
  Variable,
};

// Picked numbers and user functions an expression may reference.
inline constexpr std::size_t kCalculatorMaxVariables = 99;
// The dialog refuses longer texts (the engine refuses 100 characters and more).
inline constexpr std::size_t kCalculatorMaxLength = 100;

struct CalculatorSession {
  bool open = false;
  CalculatorPurpose purpose = CalculatorPurpose::Calculation;
  int32_t functionType = 0;  // 0 a calculation or parameter, 1..4 the function types
  // Numbers (lettered A, B, ... in picking order) and user functions (F1, F2, ...).
  std::vector<Element*> variables;
  Element* editing = nullptr;  // the calculation or function being redefined, if any
  std::string expression;      // the text standing in the expression box
  std::string result;          // the text standing in the result box

  // A fresh calculator for the purpose (closed until the caller opens it).
  void Reset(CalculatorPurpose p);
};

// The purpose of a calculator tool: parameters, functions, else calculations.
CalculatorPurpose PurposeOfTool(Tool tool);

// The variable of a function type: "X" for y=f(x), "Y", "W", "R"; empty for type 0.
std::string_view VariableLetter(int32_t type);

// What a button writes at the caret. With `arc` down, sin, cos and tan write asin(, acos(
// and atan(.
std::string ButtonText(CalcButton b, bool arc, int32_t functionType);

// A text with an insertion at the caret (a byte offset, clamped to the text) and the caret
// after it.
struct CaretText {
  std::string text;
  std::size_t caret = 0;
};
CaretText InsertAtCaret(std::string_view text, std::size_t caret, std::string_view insert);

// The element an expression can use for a picked element: a number, a user function, or the
// coordinate number of a coordinates element (side 1: y, else x); null for anything else.
Element* CalculatorVariableFor(Element* picked, int side);
// Adds a variable in picking order; false when the element is not a number or user function,
// is already there, or the list holds 99 (further picks are ignored).
bool AddCalculatorVariable(CalculatorSession& s, Element* e);
// The name a variable has in the expression: its letter for a number, Fn for a function.
std::string VariableName(const CalculatorSession& s, std::size_t index);

// The numbers of the expression with their letters in lower case ("a", "b", ...), for
// framing and lettering them on the picture while the calculator is open.
std::vector<LetteredNumber> LetteredVariables(const CalculatorSession& s);

enum class CalcOutcome : int8_t {
  Cleared,    // the text was empty: the result box is cleared
  TooLong,    // 101 characters or more: the message and nothing else
  Invalid,    // does not compile: the result box is cleared, the message shows
  Undefined,  // a calculation without a value (or a parameter: its text is invalid)
  Value,      // a calculation or parameter with its value
  Function,   // a function definition
};

struct CalcResult {
  CalcOutcome outcome = CalcOutcome::Cleared;
  std::string text;     // the trimmed expression
  std::string display;  // what the result box shows
  double value = 0;
  int message = 0;  // language-table number of the message box, 0 for none
};

// Runs the text against the session's variables with the document's angle unit and the
// numbers' current values, as the execute button does; changes nothing.
CalcResult EvaluateCalculator(const CalculatorSession& s, std::string_view text,
                              const Document& doc, const LanguageTable& language);

}  // namespace velt
