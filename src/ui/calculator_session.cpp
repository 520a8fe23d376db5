#include "ui/calculator_session.h"

#include <algorithm>
#include <array>

#include "expr/calculation.h"
#include "expr/eval_context.h"
#include "expr/expression.h"
#include "expr/variables.h"
#include "ui/strings_measures.h"
#include "ui/strings_numbers.h"
#include "view/format_number.h"

namespace velt {

void CalculatorSession::Reset(CalculatorPurpose p) {
  *this = CalculatorSession{};
  purpose = p;
  functionType = p == CalculatorPurpose::Function ? 1 : 0;
}

CalculatorPurpose PurposeOfTool(Tool tool) {
  if (tool == Tool::B_N_parametro) return CalculatorPurpose::Parameter;
  if (tool == Tool::B_N_funcion) return CalculatorPurpose::Function;
  return CalculatorPurpose::Calculation;
}

std::string_view VariableLetter(int32_t type) {
  static constexpr std::array<std::string_view, 5> kLetters = {"", "X", "Y", "W", "R"};
  return type >= 0 && type < 5 ? kLetters[static_cast<size_t>(type)] : std::string_view{};
}

std::string ButtonText(CalcButton b, bool arc, int32_t functionType) {
  const std::string a = arc ? "a" : "";
  switch (b) {
    case CalcButton::Sin: return a + "sin(";
    case CalcButton::Cos: return a + "cos(";
    case CalcButton::Tan: return a + "tan(";
    case CalcButton::Log: return "log(";
    case CalcButton::Ln: return "ln(";
    case CalcButton::Power: return "^";
    case CalcButton::Sqr: return "sqr(";
    case CalcButton::Divide: return "/";
    case CalcButton::Times: return "*";
    case CalcButton::Plus: return "+";
    case CalcButton::Minus: return "-";
    case CalcButton::Pi: return "pi";
    case CalcButton::RightParen: return ")";
    case CalcButton::LeftParen: return "(";
    case CalcButton::Abs: return "abs(";
    case CalcButton::Int: return "int(";
    case CalcButton::Variable: return std::string(VariableLetter(functionType));
  }
  return {};
}

CaretText InsertAtCaret(std::string_view text, std::size_t caret, std::string_view insert) {
  caret = std::min(caret, text.size());
  CaretText out;
  out.text.reserve(text.size() + insert.size());
  out.text.append(text.substr(0, caret)).append(insert).append(text.substr(caret));
  out.caret = caret + insert.size();
  return out;
}

Element* CalculatorVariableFor(Element* picked, int side) {
  if (!picked) return nullptr;
  if (auto* c = picked->as<CoordinatesExt>()) return side == 1 ? c->y.get() : c->x.get();
  if (picked->type() == kTypeNumber || picked->kind == kFunction) return picked;
  return nullptr;
}

bool AddCalculatorVariable(CalculatorSession& s, Element* e) {
  if (!e || (e->type() != kTypeNumber && e->kind != kFunction)) return false;
  if (s.variables.size() >= kCalculatorMaxVariables) return false;
  if (std::find(s.variables.begin(), s.variables.end(), e) != s.variables.end()) return false;
  // A function cannot call itself.
  if (e == s.editing) return false;
  s.variables.push_back(e);
  return true;
}

std::string VariableName(const CalculatorSession& s, std::size_t index) {
  int letters = 0, functions = 0;
  for (std::size_t i = 0; i <= index && i < s.variables.size(); ++i) {
    const bool function = expr::IsUserFunctionElement(s.variables[i]);
    if (i == index) {
      if (function) {
        std::string name = std::to_string(functions + 1);
        name.insert(name.begin(), 'F');
        return name;
      }
      // Letters run A..Z; the engine reads no further.
      return letters < 26 ? std::string(1, static_cast<char>('A' + letters)) : std::string("?");
    }
    ++(function ? functions : letters);
  }
  return {};
}

std::vector<LetteredNumber> LetteredVariables(const CalculatorSession& s) {
  std::vector<LetteredNumber> out;
  for (size_t i = 0; i < s.variables.size(); ++i) {
    if (expr::IsUserFunctionElement(s.variables[i])) continue;
    std::string letter = VariableName(s, i);
    for (char& ch : letter)
      if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    out.push_back({s.variables[i], std::move(letter)});
  }
  return out;
}

namespace {

std::string Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

CalcResult EvaluateCalculator(const CalculatorSession& s, std::string_view text,
                              const Document& doc, const LanguageTable& language) {
  CalcResult r;
  r.text = Trimmed(text);
  if (r.text.size() > kCalculatorMaxLength) {
    r.outcome = CalcOutcome::TooLong;
    r.message = str::kExpressionTooLong;
    return r;
  }
  if (r.text.empty()) return r;
  const bool function = s.purpose == CalculatorPurpose::Function;
  const int32_t type = function ? std::clamp(s.functionType, 1, 4) : 0;
  // A scratch element of the kind being made compiles and computes the text exactly as the
  // element will.
  auto scratch = NewElementOfKind(function ? kFunction : kCalculation);
  scratch->as<ExpressionExt>()->variables = s.variables;
  if (!expr::DefineExpression(*scratch, r.text, type)) {
    r.outcome = CalcOutcome::Invalid;
    r.message = str::kExpressionInvalid;
    return r;
  }
  if (function) {
    r.outcome = CalcOutcome::Function;
    std::string shown = r.text;
    expr::NormalizeExpression(shown);
    r.display = "f(" + std::string(VariableLetter(type)) + ")=" + shown;
    return r;
  }
  expr::EvalContext ctx;
  ctx.angleUnit = doc.angleUnit;
  expr::ComputeCalculation(*scratch, ctx);
  if (scratch->attr1 != expr::kValidNumber) {
    r.outcome = CalcOutcome::Undefined;
    r.display = language.Get(s.purpose == CalculatorPurpose::Parameter ? str::kExpressionInvalid
                                                                       : str::kNotExisting);
    return r;
  }
  r.outcome = CalcOutcome::Value;
  r.value = scratch->value[0];
  r.display = FormatNumber(r.value, 4);
  return r;
}

}  // namespace velt
