#include "view/greek_symbols.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace velt {
namespace {

// Symbol-face code point (Windows-1252 position, which is also its Unicode code point) and
// the Unicode character it shows.
constexpr std::pair<char32_t, char32_t> kSymbolTable[] = {
    {U'A', U'Α'}, {U'B', U'Β'}, {U'C', U'Χ'}, {U'D', U'Δ'}, {U'E', U'Ε'}, {U'F', U'Φ'},
    {U'G', U'Γ'}, {U'H', U'Η'}, {U'I', U'Ι'}, {U'J', U'ϑ'}, {U'K', U'Κ'}, {U'L', U'Λ'},
    {U'M', U'Μ'}, {U'N', U'Ν'}, {U'O', U'Ο'}, {U'P', U'Π'}, {U'Q', U'Θ'}, {U'R', U'Ρ'},
    {U'S', U'Σ'}, {U'T', U'Τ'}, {U'U', U'Υ'}, {U'V', U'ς'}, {U'W', U'Ω'}, {U'X', U'Ξ'},
    {U'Y', U'Ψ'}, {U'Z', U'Ζ'}, {U'a', U'α'}, {U'b', U'β'}, {U'c', U'χ'}, {U'd', U'δ'},
    {U'e', U'ε'}, {U'f', U'φ'}, {U'g', U'γ'}, {U'h', U'η'}, {U'i', U'ι'}, {U'j', U'ϕ'},
    {U'k', U'κ'}, {U'l', U'λ'}, {U'm', U'μ'}, {U'n', U'ν'}, {U'o', U'ο'}, {U'p', U'π'},
    {U'q', U'θ'}, {U'r', U'ρ'}, {U's', U'σ'}, {U't', U'τ'}, {U'u', U'υ'}, {U'v', U'ϖ'},
    {U'w', U'ω'}, {U'x', U'ξ'}, {U'y', U'ψ'}, {U'z', U'ζ'}, {U'"', U'∀'}, {U'$', U'∃'},
    {U'\'', U'∋'}, {U'*', U'∗'}, {U'-', U'−'}, {U'@', U'≅'}, {U'\\', U'∴'}, {U'^', U'⊥'},
    {U'~', U'∼'}, {0xA1, U'ϒ'}, {0xA2, U'′'}, {0xA3, U'≤'}, {0xA5, U'∞'}, {0xA6, U'ƒ'},
    {0xA7, U'♣'}, {0xA8, U'♦'}, {0xA9, U'♥'}, {0xAA, U'♠'}, {0xAB, U'↔'}, {0xAC, U'←'},
    {0xAD, U'↑'}, {0xAE, U'→'}, {0xAF, U'↓'}, {0xB2, U'″'}, {0xB3, U'≥'}, {0xB4, U'×'},
    {0xB5, U'∝'}, {0xB6, U'∂'}, {0xB7, U'•'}, {0xB8, U'÷'}, {0xB9, U'≠'}, {0xBA, U'≡'},
    {0xBB, U'≈'}, {0xBC, U'…'}, {0xC0, U'ℵ'}, {0xC5, U'⊕'}, {0xC6, U'∅'}, {0xC7, U'∩'},
    {0xC8, U'∪'}, {0xD0, U'∠'}, {0xD6, U'√'}, {0xD7, U'⋅'}, {0xD8, U'¬'}, {0xD9, U'∧'},
    {0xDA, U'∨'}, {0xDB, U'⇔'}, {0xDC, U'⇐'}, {0xDD, U'⇑'}, {0xDE, U'⇒'}, {0xDF, U'⇓'},
    {0xE5, U'∑'}, {0xF2, U'∫'},
};

// Decodes one UTF-8 character at s[i]; a malformed byte is taken as itself.
char32_t Decode(std::string_view s, size_t& i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  if (c < 0x80) {
    ++i;
    return c;
  }
  auto cont = [&](size_t k) { return k < s.size() && (b(k) & 0xC0) == 0x80; };
  if (c >= 0xC0 && c < 0xE0 && cont(i + 1)) {
    const char32_t u = (char32_t(c & 0x1F) << 6) | (b(i + 1) & 0x3F);
    i += 2;
    return u;
  }
  if (c >= 0xE0 && c < 0xF0 && cont(i + 1) && cont(i + 2)) {
    const char32_t u = (char32_t(c & 0x0F) << 12) | (char32_t(b(i + 1) & 0x3F) << 6) |
                       (b(i + 2) & 0x3F);
    i += 3;
    return u;
  }
  if (c >= 0xF0 && c < 0xF8 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
    const char32_t u = (char32_t(c & 0x07) << 18) | (char32_t(b(i + 1) & 0x3F) << 12) |
                       (char32_t(b(i + 2) & 0x3F) << 6) | (b(i + 3) & 0x3F);
    i += 4;
    return u;
  }
  ++i;
  return 0xFFFFFFFF;  // not a character: copied byte for byte
}

void Encode(char32_t u, std::string& out) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (u >> 18));
    out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

// Maps every character through the table, in one direction or the other.
std::string Map(std::string_view text, bool toGreek) {
  std::string out;
  out.reserve(text.size() * 2);
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    const char32_t u = Decode(text, i);
    if (u == 0xFFFFFFFF) {
      out.append(text.substr(start, i - start));
      continue;
    }
    const auto* it = std::find_if(std::begin(kSymbolTable), std::end(kSymbolTable),
                                  [&](const auto& p) { return (toGreek ? p.first : p.second) == u; });
    if (it == std::end(kSymbolTable))
      out.append(text.substr(start, i - start));
    else
      Encode(toGreek ? it->second : it->first, out);
  }
  return out;
}

}  // namespace

bool IsSymbolFace(std::string_view face) {
  constexpr std::string_view kSymbol = "symbol";
  return face.size() == kSymbol.size() &&
         std::equal(face.begin(), face.end(), kSymbol.begin(), [](char a, char b) {
           return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
         });
}

std::string SymbolToGreek(std::string_view text) { return Map(text, true); }
std::string GreekToSymbol(std::string_view text) { return Map(text, false); }

}  // namespace velt
