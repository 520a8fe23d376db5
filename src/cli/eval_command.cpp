// velt-cli eval EXPR [--angle RAD|DEG|GRA]: the value of a constant expression, read as the
// numeric entry fields read it.
#include <cstdio>

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

}  // namespace

int RunEval(const Args& args) {
  std::optional<std::string> text;
  expr::EvalContext ctx;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--angle") {
      const auto unit = i + 1 < args.size() ? AngleUnitByName(args[i + 1]) : std::nullopt;
      if (!unit) return 1;
      ctx.angleUnit = *unit;
      ++i;
    } else if (!text) {
      text = args[i];
    } else {
      return 1;
    }
  }
  if (!text) return 1;
  const auto value = expr::EvaluateConstantText(*text, ctx);
  if (!value) {
    std::printf("undefined\n");
    return 4;
  }
  std::printf("%.17g\n", *value + 0.0);  // + 0.0 shows -0 as 0
  return 0;
}

}  // namespace velt::cli
