#include "view/equation_text.h"

#include <array>
#include <cmath>

#include "view/format_number.h"

namespace velt {
namespace {

// Coefficients and coordinates closer to 0 (or to ±1) than this count as 0 (or ±1).
constexpr double kNegligible = 1e-8;

// "(x-2.00)" or "(x+2.00)" for a centre coordinate, or just "x" when it is 0: the sign is
// the opposite of the coordinate's.
std::string Shifted(char variable, double centre, int decimals) {
  if (std::fabs(centre) < kNegligible) return std::string(1, variable);
  std::string s = "(";
  s += variable;
  s += centre > 0 ? '-' : '+';
  s += FormatNumber(std::fabs(centre), decimals);
  s += ')';
  return s;
}

}  // namespace

std::string LineEquationText(double m, double n, int decimals) {
  const bool sloped = std::fabs(m) > kNegligible;
  std::string s = "y = ";
  if (sloped) s += FormatNumber(m, decimals) + "x ";
  if (std::fabs(n) > kNegligible || !sloped) {
    if (n > 0 && sloped) s += '+';
    s += FormatNumber(n, decimals);
  }
  return s;
}

std::string VerticalLineEquationText(double c, int decimals) {
  return "x = " + FormatNumber(c, decimals);
}

std::string CircleEquationText(double a, double b, double r, int decimals) {
  return Shifted('x', a, decimals) + "²+" + Shifted('y', b, decimals) +
         "²=" + FormatNumber(r, decimals) + "²";
}

std::string CircleAxisEquationText(double a, double b, double rx, double ry, int decimals) {
  return Shifted('x', a, decimals) + "²/" + FormatNumber(rx, decimals) + "²+" +
         Shifted('y', b, decimals) + "²/" + FormatNumber(ry, decimals) + "²=1";
}

std::string ConicEquationText(const ConicEquation& eq, int decimals) {
  struct Term {
    double c;
    const char* variable;
  };
  const std::array<Term, 6> terms{
      {{eq.c, "y² "}, {eq.b, "xy "}, {eq.a, "x² "}, {eq.e, "y "}, {eq.d, "x "}, {eq.f, ""}}};
  std::string s;
  for (size_t i = 0; i < terms.size(); ++i) {
    const double c = terms[i].c;
    if (!(std::fabs(c) > kNegligible)) continue;
    if (i > 0 && c > 0) s += '+';
    const bool constant = i + 1 == terms.size();
    if (!constant && std::fabs(c - 1) <= kNegligible) {
      // a coefficient of 1 is not written
    } else if (!constant && std::fabs(c + 1) <= kNegligible) {
      s += '-';
    } else {
      s += FormatNumber(c, decimals);
    }
    s += terms[i].variable;
  }
  return s + " = 0";
}

}  // namespace velt
