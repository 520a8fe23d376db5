#pragma once
// The texts the drawing shows for elements: numbers with their units, names, equations,
// coordinates, checker answers, functions. Every text the drawing writes for an element is
// built here; `velt-cli dump` prints the same strings.
#include <optional>
#include <string>

#include "model/document.h"
#include "ui/language.h"
#include "view/format_number.h"

namespace velt {

// The unit text of a dimension (1 length, 2 area, 3 angle) in the document's units; empty
// for a plain number or a unit code outside the table.
std::string UnitText(const LanguageTable& lang, int32_t dimension, int32_t lengthUnit,
                     int32_t angleUnit);

// The name element's text, or empty.
std::string NameTextOf(const Element& e);

// A number (types 11 and 12): [name] value [blank unit], or [name] "no existente" for a
// number without a value (or a value that is not finite).
std::string NumberText(const Document& doc, const Element& e, const LanguageTable& lang);

// The coordinates of a point in its pieces, so that each coordinate number can be found on
// the drawing: lead = name + "(", then x, ";", y and ")".
struct CoordinatesText {
  std::string lead, x, separator, y, tail;
  std::string Whole() const { return lead + x + separator + y + tail; }
};
std::optional<CoordinatesText> CoordinatesTextOf(const Element& coordinates);

// The answer a checker shows: its own message, or the language table's when it has none.
std::string CheckerText(const Element& e, const LanguageTable& lang);

// The caption a button shows: its own, or the hide/show button's default when it has none.
std::string ButtonCaptionOf(const Element& e, const LanguageTable& lang);

// What a label-like element (name, number, function, equation, coordinates, checker) shows;
// empty for other elements.
std::string LabelTextOf(const Document& doc, const Element& e, const LanguageTable& lang);
// The same with the built-in texts.
std::string LabelTextOf(const Document& doc, const Element& e);

}  // namespace velt
