#include "ui/appearance_settings.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "ui/strings.h"
#include "ui/strings_appearance.h"

namespace velt {
namespace {

constexpr std::array<int32_t, kAppearanceGroupCount> kGroupTypes = {
    kTypePoint,  kTypeLine, kTypeRay,   kTypeSegment, kTypePolygon,
    kTypeCircle, kTypeArc,  kTypeAngle, kTypeLocus,   kTypeIteration};

bool ValidGroup(int group) { return group >= 0 && group < kAppearanceGroupCount; }

// The fixed schemes 2..5.
struct Scheme {
  int32_t background, hidden, selection, circle, arc, cursorFont, nameFont, numberFont;
};
constexpr Scheme kSchemes[] = {
    {0, 48830, 16755370, 16711680, 8421504, 65535, 65280, 12632256},
    {16777215, 9159362, 16711935, 32768, 32768, 255, 32768, 0},
    {4194304, 48830, 16755370, 16711680, 8421504, 65535, 65280, 12632256},
    {16630933, 39835, 16711935, 32768, 32768, 255, 32768, 0},
};

std::string Upper(const std::string& s) {
  std::string u = s;
  std::transform(u.begin(), u.end(), u.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return u;
}

}  // namespace

int32_t GroupType(int group) { return ValidGroup(group) ? kGroupTypes[group] : kTypePoint; }

StyleFamily GroupStyleFamily(int group) {
  const int32_t t = GroupType(group);
  if (t == kTypePoint) return StyleFamily::PointShape;
  if (t == kTypeAngle) return StyleFamily::AngleMark;
  return StyleFamily::LineStyle;
}

int StyleCodeCount(StyleFamily family) { return family == StyleFamily::AngleMark ? 3 : 6; }

Font& DocumentFont(Document& doc, int i) {
  switch (i) {
    case 0: return doc.cursorFont;
    case 1: return doc.nameFont;
    case 2: return doc.numberFont;
    default: return doc.textFont;
  }
}

const Font& DocumentFont(const Document& doc, int i) {
  return DocumentFont(const_cast<Document&>(doc), i);
}

Appearance AppearanceOf(const Document& doc) {
  Appearance a;
  a.typeColours = doc.typeColours;
  a.typeStyles = doc.typeStyles;
  a.backgroundColour = doc.backgroundColour;
  a.hiddenColour = doc.hiddenColour;
  a.selectionColour = doc.selectionColour;
  for (int i = 0; i < kDocumentFontCount; ++i) a.fontColours[i] = DocumentFont(doc, i).colour;
  return a;
}

Appearance AppearanceOf(const Options& o) {
  Appearance a;
  a.typeColours = o.typeColours;
  a.typeStyles = o.typeStyles;
  a.backgroundColour = o.backgroundColour;
  a.hiddenColour = o.hiddenColour;
  a.selectionColour = o.selectionColour;
  a.fontColours = {o.cursorFont.colour, o.nameFont.colour, o.numberFont.colour, o.textFont.colour};
  return a;
}

bool ApplyScheme(Appearance& a, int scheme, const Document& doc, const Options& options) {
  if (scheme == 0) {
    a = AppearanceOf(doc);
    return true;
  }
  if (scheme == 1) {
    a = AppearanceOf(options);
    return true;
  }
  if (scheme < 2 || scheme >= kAppearanceSchemeCount) return false;
  const Scheme& s = kSchemes[scheme - 2];
  a.backgroundColour = s.background;
  a.hiddenColour = s.hidden;
  a.selectionColour = s.selection;
  a.fontColours = {s.cursorFont, s.nameFont, s.numberFont, s.numberFont};
  // Every type a scheme colours goes back to its factory colour and first style.
  auto& c = a.typeColours;
  c[kTypePoint] = 255;
  for (int t : {kTypeLine, kTypeRay, kTypeAngle, kTypeAxes}) c[t] = 8421504;
  for (int t : {kTypeSegment, kTypePolygon, kTypeVector}) c[t] = 16711680;
  for (int t : {kTypeLocus, kTypeIteration}) c[t] = 12615680;
  c[kTypeCircle] = s.circle;
  c[kTypeArc] = s.arc;
  for (int32_t t : kGroupTypes) a.typeStyles[t] = 1;
  for (int t : {kTypeAxes, kTypeVector}) a.typeStyles[t] = 1;
  return true;
}

void SetGroupColour(Appearance& a, int group, int32_t colour) {
  if (!ValidGroup(group)) return;
  a.typeColours[GroupType(group)] = colour & 0xFFFFFF;
}

bool SetGroupStyle(Appearance& a, int group, int32_t style) {
  if (!ValidGroup(group)) return false;
  if (style < 1 || style > StyleCodeCount(GroupStyleFamily(group))) return false;
  a.typeStyles[GroupType(group)] = style;
  return true;
}

bool ApplyAppearance(const Appearance& a, Document& doc) {
  const Appearance before = AppearanceOf(doc);
  for (int32_t t : kGroupTypes) {
    doc.typeColours[t] = a.typeColours[t];
    doc.typeStyles[t] = a.typeStyles[t];
  }
  doc.typeColours[kTypeAxes] = a.typeColours[kTypeLine];
  doc.typeStyles[kTypeAxes] = a.typeStyles[kTypeLine];
  doc.typeColours[kTypeVector] = a.typeColours[kTypeSegment];
  doc.typeStyles[kTypeVector] = a.typeStyles[kTypeSegment];
  doc.backgroundColour = a.backgroundColour;
  doc.hiddenColour = a.hiddenColour;
  doc.selectionColour = a.selectionColour;
  for (int i = 0; i < kDocumentFontCount; ++i) DocumentFont(doc, i).colour = a.fontColours[i];
  const bool changed = !(AppearanceOf(doc) == before);
  if (changed) doc.modified = 1;
  return changed;
}

bool SpanishSchemeNames(const LanguageTable& table) {
  return Upper(table.Get(str::TypeName(kTypePoint))) == "PUNTO" &&
         Upper(table.Get(str::TypeName(kTypeLine))) == "RECTA";
}

int SchemeNameNumber(int scheme, const LanguageTable& table) {
  return (SpanishSchemeNames(table) ? str::kSchemeText : str::kSchemeOtherText) + scheme;
}

}  // namespace velt
