#include "view/label_text.h"

#include <cmath>
#include <cstdio>

namespace velt {
namespace {

// Language-table texts the labels use, until they move there.
constexpr const char* kNotExisting = "no existente";

const char* UnitText(const Document& doc, int dimension) {
  static const char* const kLength[] = {"mm", "cm", "m", "km"};
  static const char* const kArea[] = {"mm²", "cm²", "m²", "km²"};
  static const char* const kAngle[] = {"rd", "°", "gr"};
  const int lu = doc.lengthUnit, au = doc.angleUnit;
  switch (dimension) {
    case 1: return lu >= 0 && lu < 4 ? kLength[lu] : "";
    case 2: return lu >= 0 && lu < 4 ? kArea[lu] : "";
    case 3: return au >= 0 && au < 3 ? kAngle[au] : "";
    default: return "";
  }
}

}  // namespace

std::string PlainNumber(double value, int decimals) {
  char buf[64];
  if (!std::isfinite(value)) return kNotExisting;
  if (std::fabs(value) > 1e7) {
    std::snprintf(buf, sizeof buf, "%.2E", value);
    return buf;
  }
  std::snprintf(buf, sizeof buf, "%.*f", decimals < 0 || decimals > 8 ? 2 : decimals, value);
  std::string s = buf;
  if (value < 0 && s[0] != '-') s.insert(s.begin(), '-');
  return s;
}

std::string AxisStepText(double count) {
  char buf[64];
  if (std::fabs(count) >= 1e7)
    std::snprintf(buf, sizeof buf, "%.0E", count);
  else
    std::snprintf(buf, sizeof buf, "%.15g", count);
  return buf;
}

std::string NameTextOf(const Element& e) {
  if (!e.nameElement) return {};
  const NameExt* n = e.nameElement->as<NameExt>();
  return n ? n->text : std::string{};
}

std::string LabelTextOf(const Document& doc, const Element& e) {
  switch (e.type()) {
    case kTypeNumber: {
      if (e.attr1 == -100) return NameTextOf(e) + kNotExisting;
      std::string s = NameTextOf(e) + PlainNumber(e.value[0], e.decimals);
      const char* unit = UnitText(doc, e.attr3);
      if (*unit) s += std::string(" ") + unit;
      return s;
    }
    case kTypeFunction: {
      std::string name = NameTextOf(e);
      if (!name.empty()) return name;
      const ExpressionExt* x = e.as<ExpressionExt>();
      return x ? x->text : std::string{};
    }
    case kTypeEquation: {
      const EquationExt* q = e.as<EquationExt>();
      return q ? q->text : std::string{};
    }
    case kTypeCoordinates: {
      const CoordinatesExt* c = e.as<CoordinatesExt>();
      if (!c || !c->x || !c->y) return {};
      return NameTextOf(e) + "(" + PlainNumber(c->x->value[0], e.decimals) + ";" +
             PlainNumber(c->y->value[0], e.decimals) + ")";
    }
    case kTypeProperty: {
      const CheckerExt* k = e.as<CheckerExt>();
      if (!k) return {};
      return e.attr1 == 1 ? k->whenTrue : k->whenFalse;
    }
    case kTypeName: {
      const NameExt* n = e.as<NameExt>();
      return n ? n->text : std::string{};
    }
    default: return {};
  }
}

}  // namespace velt
