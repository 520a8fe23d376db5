#include "view/element_text.h"

#include <cctype>

#include "expr/function_value.h"
#include "expr/token_codes.h"
#include "ui/strings.h"
#include "view/label_text.h"

namespace velt {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";
constexpr std::string_view kOperators = "+-*/^()";

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// The referenced numbers of a calculation or function in letter order (A, B, ...): user
// functions have numbers of their own (F1, F2, ...) and take no letter.
std::vector<const Element*> LetteredNumbers(const ExpressionExt& x) {
  std::vector<const Element*> v;
  for (const Element* e : x.variables)
    if (!e || e->kind != kFunction) v.push_back(e);
  return v;
}

}  // namespace

std::string ShortName(std::string_view nameText) {
  std::string_view s = Trim(nameText);
  if (!s.empty() && s.back() == '=') s = Trim(s.substr(0, s.size() - 1));
  return std::string(s);
}

std::string ShortNameOf(const Element& e) { return ShortName(NameTextOf(e)); }

int32_t FunctionTypeOf(const Element& e) { return expr::FunctionTypeOf(e); }

std::string DisplayedExpression(const Element& e) {
  const ExpressionExt* x = e.as<ExpressionExt>();
  if (!x) return {};
  static constexpr const char* kPrefixes[] = {"", "y = ", "x = ", "r = ", "w = "};
  std::string out = kPrefixes[FunctionTypeOf(e)];
  std::string text;
  for (char c : x->text)
    if (kBlanks.find(c) == std::string_view::npos) text += c;
  const std::vector<const Element*> numbers = LetteredNumbers(*x);
  size_t i = 0;
  while (i < text.size()) {
    if (kOperators.find(text[i]) != std::string_view::npos) {
      out += text[i] == '*' ? std::string("·") : std::string(1, text[i]);
      ++i;
      continue;
    }
    size_t end = text.find_first_of(kOperators, i);
    if (end == std::string::npos) end = text.size();
    const std::string_view word(text.data() + i, end - i);
    std::string shown(word);
    if (word.size() == 1 && std::isalpha(static_cast<unsigned char>(word[0]))) {
      const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
      const size_t letter = expr::kLetters.find(upper);
      if (letter < numbers.size() && numbers[letter] && numbers[letter]->nameElement) {
        const std::string name = ShortNameOf(*numbers[letter]);
        if (!name.empty()) shown = name;
      }
    }
    out += shown;
    i = end;
  }
  return out;
}

std::string AutomaticName(const Element& e) {
  std::string name = ShortNameOf(e);
  if (name.empty() && (e.kind == kCalculation || e.kind == kFunction))
    name = DisplayedExpression(e);
  return name;
}

std::string ElementCaption(const Element& e, const LanguageTable& lang) {
  std::string kind;
  if (e.kind == kFunctionGraph && e.parent[0] && e.parent[0]->kind == kFunction)
    kind = DisplayedExpression(*e.parent[0]);
  else if (IsValidKind(e.kind))
    kind = lang.Get(str::KindName(e.kind));
  return kind + ' ' + ShortNameOf(e);
}

}  // namespace velt
