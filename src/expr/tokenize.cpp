// Normalising a text, splitting it into tokens and reading numbers.
#include <charconv>

#include "expr/expression.h"

namespace velt::expr {
namespace {

bool IsOperatorChar(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ')';
}

}  // namespace

void NormalizeExpression(std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    out.push_back(c);
  }
  text = std::move(out);
}

std::optional<std::vector<TokenSpan>> Tokenize(std::string_view text) {
  if (text.empty() || text.size() >= static_cast<size_t>(kMaxTextLength)) return std::nullopt;
  std::vector<TokenSpan> tokens;
  const int n = static_cast<int>(text.size());
  int i = 0;
  while (i < n) {
    if (static_cast<unsigned char>(text[i]) >= 128) return std::nullopt;
    if (IsOperatorChar(text[i])) {
      tokens.push_back({i, 1});
      ++i;
      continue;
    }
    int j = i;
    while (j < n && !IsOperatorChar(text[j])) {
      if (static_cast<unsigned char>(text[j]) >= 128) return std::nullopt;
      ++j;
    }
    tokens.push_back({i, j - i});
    i = j;
  }
  return tokens;
}

std::optional<double> ParseNumber(std::string_view token) {
  // A text is at most 99 characters, so a number has at most 99 digits and stays finite.
  if (token.empty() || token.size() >= static_cast<size_t>(kMaxTextLength)) return std::nullopt;
  char buffer[kMaxTextLength];
  int digits = 0, points = 0;
  for (size_t i = 0; i < token.size(); ++i) {
    char c = token[i];
    if (c == ',') c = '.';
    if (c == '.') {
      ++points;
    } else if (c >= '0' && c <= '9') {
      ++digits;
    } else {
      return std::nullopt;
    }
    buffer[i] = c;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  double value = 0;
  const auto [end, ec] =
      std::from_chars(buffer, buffer + token.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != buffer + token.size()) return std::nullopt;
  return value;
}

}  // namespace velt::expr
