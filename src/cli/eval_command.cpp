// velt-cli eval EXPR [--angle RAD|DEG|GRA] [--var A=1.5 ...]: the value of an expression, read
// as the numeric entry fields read it; --var gives the letters of a calculation their values.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "cli/commands.h"
#include "expr/expression.h"

namespace velt::cli {
namespace {

std::optional<int32_t> AngleUnitByName(const std::string& name) {
  if (name == "RAD") return expr::kRadians;
  if (name == "DEG") return expr::kDegrees;
  if (name == "GRA") return expr::kGrads;
  return std::nullopt;
}

// "A=1.5": the letter's index in the letter string and its value.
bool ParseVariable(const std::string& arg, std::map<int, double>& values) {
  if (arg.size() < 3 || arg[1] != '=') return false;
  const size_t letter = expr::kLetters.find(static_cast<char>(std::toupper(arg[0])));
  if (letter == std::string_view::npos) return false;
  const char* begin = arg.c_str() + 2;
  char* end = nullptr;
  const double v = std::strtod(begin, &end);
  if (end == begin || *end != '\0') return false;
  values[static_cast<int>(letter)] = v;
  return true;
}

// The expression over the given letters (a letter not given reads 0).
std::optional<double> EvaluateWithLetters(const std::string& text,
                                          const std::map<int, double>& values,
                                          const expr::EvalContext& ctx) {
  const int letters = values.empty() ? 0 : values.rbegin()->first + 1;
  auto compiled = expr::BuildExpression(text, letters, 0, expr::kPlainCalculation);
  if (!compiled) return std::nullopt;
  for (const auto& [j, v] : values) compiled->table[static_cast<size_t>(j) + 1] = v;
  if (!expr::EvaluatePostfix(compiled->postfix, compiled->table, std::nullopt, {}, ctx))
    return std::nullopt;
  return compiled->table[0];
}

}  // namespace

int RunEval(const Args& args) {
  std::optional<std::string> text;
  expr::EvalContext ctx;
  std::map<int, double> letters;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--angle") {
      const auto unit = i + 1 < args.size() ? AngleUnitByName(args[i + 1]) : std::nullopt;
      if (!unit) return 1;
      ctx.angleUnit = *unit;
      ++i;
    } else if (args[i] == "--var") {
      if (i + 1 >= args.size() || !ParseVariable(args[i + 1], letters)) return 1;
      ++i;
    } else if (!text) {
      text = args[i];
    } else {
      return 1;
    }
  }
  if (!text) return 1;
  const auto value = letters.empty() ? expr::EvaluateConstantText(*text, ctx)
                                     : EvaluateWithLetters(*text, letters, ctx);
  if (!value) {
    std::printf("undefined\n");
    return 4;
  }
  std::printf("%.17g\n", *value + 0.0);  // + 0.0 shows -0 as 0
  return 0;
}

}  // namespace velt::cli
