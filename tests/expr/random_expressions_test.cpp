// Random expressions from a small grammar, evaluated by the engine and by a plain
// recursive-descent evaluator written here from the same rules: the same value or the same
// failure every time.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "expr/expression.h"

namespace velt::expr {
namespace {

constexpr double kA = 1.5, kB = -2.25, kX = 0.7;

// ---- the reference evaluator ------------------------------------------------------------

class Reference {
 public:
  explicit Reference(std::string text) : s_(std::move(text)) {}

  std::optional<double> Value() {
    auto v = Sum();
    if (pos_ != s_.size()) return std::nullopt;
    return v;
  }

 private:
  static std::optional<double> Checked(double v) {
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
  }

  static std::optional<double> Divide(double a, double b) {
    if (b == 0) return std::nullopt;
    if (a == 0) return 0.0;
    const double decades = std::log10(std::fabs(a)) - std::log10(std::fabs(b));
    if (decades > 99 || decades < -99) return std::nullopt;
    return Checked(a / b);
  }

  static std::optional<double> Multiply(double a, double b) {
    if (a == 0 || b == 0) return 0.0;
    if (std::log10(std::fabs(a)) + std::log10(std::fabs(b)) > 99) return std::nullopt;
    return Checked(a * b);
  }

  static std::optional<double> Power(double a, double b) {
    if (b == 0) return 1.0;
    if (a == 0) return b < 0 ? std::nullopt : std::optional<double>(0.0);
    const double decades = b * std::log10(std::fabs(a));
    if (decades > 99 || decades < -99) return std::nullopt;
    if (a > 0 || b == std::floor(b)) return Checked(std::pow(a, b));
    for (int q = 3; q < 100; q += 2) {
      const double p = std::nearbyint(q * b);
      if (std::fabs(q * b - p) <= 1e-10) {
        if (p == 0) return std::nullopt;
        const double m = std::pow(-a, b);
        return Checked(static_cast<long long>(p) % 2 == 0 ? m : -m);
      }
    }
    return std::nullopt;
  }

  static std::optional<double> Function(const std::string& name, double x) {
    if (name == "SIN") return std::sin(x);
    if (name == "COS") return std::cos(x);
    if (name == "ATAN") return std::atan(x);
    if (name == "ABS") return std::fabs(x);
    if (name == "INT") return std::trunc(x);
    if (name == "SQR") return x < 0 ? std::nullopt : std::optional<double>(std::sqrt(x));
    if (name == "LN") return x <= 0 ? std::nullopt : std::optional<double>(std::log(x));
    if (name == "EXP")
      return std::fabs(x) > 199 ? std::nullopt : std::optional<double>(std::exp(x));
    return std::nullopt;
  }

  bool Eat(char c) {
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  std::optional<double> Sum() {
    auto v = Product();
    while (v) {
      if (Eat('+')) {
        auto r = Product();
        v = r ? Checked(*v + *r) : std::nullopt;
      } else if (Eat('-')) {
        auto r = Product();
        v = r ? Checked(*v - *r) : std::nullopt;
      } else {
        break;
      }
    }
    return v;
  }

  std::optional<double> Product() {
    auto v = Factor();
    while (v) {
      if (Eat('*')) {
        auto r = Factor();
        v = r ? Multiply(*v, *r) : std::nullopt;
      } else if (Eat('/')) {
        auto r = Factor();
        v = r ? Divide(*v, *r) : std::nullopt;
      } else {
        break;
      }
    }
    return v;
  }

  // Powers group from the left; their operands may carry unary minus signs.
  std::optional<double> Factor() {
    auto v = Signed();
    while (v && Eat('^')) {
      auto r = Signed();
      v = r ? Power(*v, *r) : std::nullopt;
    }
    return v;
  }

  std::optional<double> Signed() {
    if (Eat('-')) {
      auto v = Signed();
      return v ? std::optional<double>(-*v) : std::nullopt;
    }
    return Primary();
  }

  std::optional<double> Primary() {
    if (Eat('(')) {
      auto v = Sum();
      if (!Eat(')')) return std::nullopt;
      return v;
    }
    size_t end = pos_;
    while (end < s_.size() &&
           (std::isalnum(static_cast<unsigned char>(s_[end])) || s_[end] == '.' || s_[end] == ','))
      ++end;
    const std::string word = s_.substr(pos_, end - pos_);
    pos_ = end;
    if (word.empty()) return std::nullopt;
    if (std::isdigit(static_cast<unsigned char>(word[0]))) {
      std::string number = word;
      for (char& c : number)
        if (c == ',') c = '.';
      return std::stod(number);
    }
    if (word == "PI") return std::numbers::pi;
    if (word == "A") return kA;
    if (word == "B") return kB;
    if (word == "X") return kX;
    if (!Eat('(')) return std::nullopt;
    auto v = Sum();
    if (!v || !Eat(')')) return std::nullopt;
    return Function(word, *v);
  }

  std::string s_;
  size_t pos_ = 0;
};

// ---- the generator ----------------------------------------------------------------------

class Generator {
 public:
  explicit Generator(uint32_t seed) : rng_(seed) {}

  std::string Expression(int depth) {
    std::string s = Term(depth);
    while (Chance(0.3)) {
      s += Chance(0.5) ? '+' : '-';
      s += Term(depth);
    }
    return s;
  }

 private:
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  template <class T>
  const T& Pick(const std::vector<T>& v) {
    return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng_)];
  }

  std::string Term(int depth) {
    std::string s = Factor(depth);
    while (Chance(0.35)) {
      s += Chance(0.5) ? '*' : '/';
      s += Factor(depth);
    }
    return s;
  }

  std::string Factor(int depth) {
    std::string s = Signed(depth);
    while (Chance(0.25)) {
      s += '^';
      s += Signed(depth);
    }
    return s;
  }

  std::string Signed(int depth) {
    if (!Chance(0.2)) return Primary(depth);
    std::string s = "-";
    s += Signed(depth);
    return s;
  }

  std::string Primary(int depth) {
    static const std::vector<std::string> atoms = {"0",  "1",   "2",     "3", "0,5", "10", "2.5",
                                                   "PI", "100", "0.001", "A", "B",   "X"};
    static const std::vector<std::string> functions = {"SIN", "COS", "ATAN", "ABS",
                                                       "INT", "SQR", "LN",   "EXP"};
    if (depth <= 0 || Chance(0.5)) return Pick(atoms);
    std::string s = Chance(0.5) ? std::string() : Pick(functions);
    s += '(';
    s += Expression(depth - 1);
    s += ')';
    return s;
  }

  std::mt19937 rng_;
};

// What a user might type for the same expression: lower case, blanks, closing parentheses
// left off at the end.
std::string Sloppy(std::string s, std::mt19937& rng) {
  std::string out;
  for (char c : s) {
    if (rng() % 8 == 0) out += ' ';
    out += (rng() % 2) ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
  }
  while (!out.empty() && out.back() == ')' && rng() % 2) out.pop_back();
  return out;
}

TEST(RandomExpressions, EngineAgreesWithTheReferenceEvaluator) {
  Generator gen(20261207);
  std::mt19937 rng(5);
  int compared = 0, values = 0, failures = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string text = gen.Expression(3);
    if (text.size() > 60) continue;  // stay clear of the length and token limits
    const std::string typed = Sloppy(text, rng);
    ++compared;
    Reference reference(text);
    const auto want = reference.Value();
    auto compiled = BuildExpression(typed, 2, 0, kYofX);
    ASSERT_TRUE(compiled) << typed;
    compiled->table[1] = kA;
    compiled->table[2] = kB;
    const bool ok = EvaluatePostfix(compiled->postfix, compiled->table, kX, {}, {});
    ASSERT_EQ(ok, want.has_value()) << text << "  typed as  " << typed;
    if (ok) {
      ++values;
      EXPECT_NEAR(compiled->table[0], *want, 1e-12 * std::max(1.0, std::fabs(*want))) << text;
    } else {
      ++failures;
    }
  }
  // The grammar must exercise both outcomes to mean anything.
  EXPECT_GT(compared, 10000);
  EXPECT_GT(values, compared / 4);
  EXPECT_GT(failures, compared / 50);
}

}  // namespace
}  // namespace velt::expr
