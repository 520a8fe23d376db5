#include "view/label_text.h"

#include <cmath>

#include "ui/strings_buttons.h"
#include "ui/strings_measures.h"
#include "view/element_text.h"

namespace velt {
namespace {

// attr1 of a number that exists without a value.
constexpr int32_t kNoValue = -100;
// Dimensions (attr3 of a number).
constexpr int32_t kLength = 1, kArea = 2, kAngle = 3;

}  // namespace

std::string UnitText(const LanguageTable& lang, int32_t dimension, int32_t lengthUnit,
                     int32_t angleUnit) {
  const bool length = lengthUnit >= 0 && lengthUnit < 4;
  switch (dimension) {
    case kLength: return length ? lang.Get(str::LengthUnitText(lengthUnit)) : std::string{};
    case kArea: return length ? lang.Get(str::AreaUnitText(lengthUnit)) : std::string{};
    case kAngle:
      return angleUnit >= 0 && angleUnit < 3 ? lang.Get(str::AngleUnitText(angleUnit))
                                             : std::string{};
    default: return {};
  }
}

std::string NameTextOf(const Element& e) {
  if (!e.nameElement) return {};
  const NameExt* n = e.nameElement->as<NameExt>();
  return n ? n->text : std::string{};
}

std::string NumberText(const Document& doc, const Element& e, const LanguageTable& lang) {
  std::string s = NameTextOf(e);
  if (e.attr1 == kNoValue || !std::isfinite(e.value[0])) return s + lang.Get(str::kNotExisting);
  s += FormatNumber(e.value[0], e.decimals);
  const std::string unit = UnitText(lang, e.attr3, doc.lengthUnit, doc.angleUnit);
  if (!unit.empty()) s += ' ' + unit;
  return s;
}

std::optional<CoordinatesText> CoordinatesTextOf(const Element& coordinates) {
  const CoordinatesExt* c = coordinates.as<CoordinatesExt>();
  if (!c || !c->x || !c->y) return std::nullopt;
  return CoordinatesText{NameTextOf(coordinates) + "(",
                         FormatNumber(c->x->value[0], c->x->decimals), ";",
                         FormatNumber(c->y->value[0], c->y->decimals), ")"};
}

std::string CheckerText(const Element& e, const LanguageTable& lang) {
  const CheckerExt* k = e.as<CheckerExt>();
  const bool holds = e.attr1 == 1;
  const std::string* own = k ? (holds ? &k->whenTrue : &k->whenFalse) : nullptr;
  return own && !own->empty() ? *own : lang.Get(str::CheckerAnswer(e.kind, holds));
}

std::string LabelTextOf(const Document& doc, const Element& e, const LanguageTable& lang) {
  switch (e.type()) {
    case kTypeNumber: return NumberText(doc, e, lang);
    case kTypeFunction: {
      const std::string name = NameTextOf(e);
      return name.empty() ? DisplayedExpression(e) : name;
    }
    case kTypeEquation: {
      const EquationExt* q = e.as<EquationExt>();
      return NameTextOf(e) + (q ? q->text : std::string{});
    }
    case kTypeCoordinates: {
      const auto c = CoordinatesTextOf(e);
      return c ? c->Whole() : std::string{};
    }
    case kTypeProperty: return NameTextOf(e) + CheckerText(e, lang);
    case kTypeName: {
      // The name of a number-like element is written in front of its value instead.
      const NameExt* n = e.as<NameExt>();
      return n && e.attr1 != 0 && e.parent[0] ? n->text : std::string{};
    }
    default: return {};
  }
}

std::string LabelTextOf(const Document& doc, const Element& e) {
  return LabelTextOf(doc, e, BuiltInLanguage());
}

std::string ButtonCaptionOf(const Element& e, const LanguageTable& lang) {
  const ButtonExt* b = e.as<ButtonExt>();
  if (b && !b->caption.empty()) return b->caption;
  return lang.Get(str::kButtonCaptionShowHide);
}

}  // namespace velt
