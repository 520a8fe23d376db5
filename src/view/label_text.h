#pragma once
// The texts the drawing shows for elements: numbers with units, names, equations,
// coordinates, checker answers, axis step counts. All of them are built here, in plain form
// for now, so that the full number formatting replaces this one file.
#include <string>

#include "model/document.h"

namespace velt {

// A number with the element's decimals.
std::string PlainNumber(double value, int decimals);
// An axis step count: exponent form from 1e7 on, otherwise up to 15 significant digits
// without trailing zeros.
std::string AxisStepText(double count);
// The name element's text, or empty.
std::string NameTextOf(const Element& e);
// What a label-like element (number, function, equation, coordinates, property check)
// shows.
std::string LabelTextOf(const Document& doc, const Element& e);

}  // namespace velt
