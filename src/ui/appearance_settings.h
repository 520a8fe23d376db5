#pragma once
// The appearance window's working copy: the colours and styles new elements of each type
// receive, the document's background, hidden-element and selection colours and the colours
// of its four fonts; the ready-made colour schemes; writing the copy back into a document.
#include <array>
#include <cstdint>

#include "model/document.h"
#include "ui/language.h"

namespace velt {

inline constexpr int kAppearanceGroupCount = 10;
inline constexpr int kAppearanceSchemeCount = 6;
inline constexpr int kDocumentFontCount = 4;  // cursor messages, names, numbers, texts

// What the shape buttons of a type group give: point shapes, line styles or angle marks.
enum class StyleFamily { PointShape, LineStyle, AngleMark };

struct Appearance {
  std::array<int32_t, kTypeCount> typeColours{};
  std::array<int32_t, kTypeCount> typeStyles{};
  int32_t backgroundColour = 0;
  int32_t hiddenColour = 0;
  int32_t selectionColour = 0;
  std::array<int32_t, kDocumentFontCount> fontColours{};

  bool operator==(const Appearance&) const = default;
};

// The element type a group edits: punto, recta, semirecta, segmento, polígono,
// circunferencia, arco, ángulo, lugar geométrico, iteración.
int32_t GroupType(int group);
StyleFamily GroupStyleFamily(int group);
// How many codes the family has (6 point shapes, 6 line styles, 3 angle marks).
int StyleCodeCount(StyleFamily family);

// The document's font i (0 cursor messages, 1 names, 2 numbers, 3 texts).
Font& DocumentFont(Document& doc, int i);
const Font& DocumentFont(const Document& doc, int i);

Appearance AppearanceOf(const Document& doc);
Appearance AppearanceOf(const Options& options);

// Loads scheme 0 (the document's values), 1 (the options' values) or one of the fixed
// schemes 2..5 into the working copy. False for an unknown scheme, which changes nothing.
bool ApplyScheme(Appearance& a, int scheme, const Document& doc, const Options& options);

// The colour and style of a group; a style outside the group's codes is refused.
void SetGroupColour(Appearance& a, int group, int32_t colour);
bool SetGroupStyle(Appearance& a, int group, int32_t style);

// OK: the groups' colours and styles go into the document's tables (axes follow lines,
// vectors follow segments), then the three colours and the font colours. The document is
// marked modified when anything changed; returns whether it did.
bool ApplyAppearance(const Appearance& a, Document& doc);

// The scheme names are Spanish when the table's first two type names are "punto" and "recta".
bool SpanishSchemeNames(const LanguageTable& table);
// The string number of a scheme's name with the given table.
int SchemeNameNumber(int scheme, const LanguageTable& table);

}  // namespace velt
