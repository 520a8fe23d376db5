#pragma once
// How elements are named in lists, captions and status texts: short names, the displayed
// form of a calculation or function, and the one-line description of an element.
#include <string>
#include <string_view>

#include "model/element.h"
#include "ui/language.h"

namespace velt {

// A name used as a label: trimmed, a final "=" removed and trimmed again ("d = " gives "d").
std::string ShortName(std::string_view nameText);
// The short name of an element's name element; empty when it has none.
std::string ShortNameOf(const Element& e);

// The function type of a function element, read from the variable its codes use (1 y=f(x),
// 2 x=f(y), 3 r=f(w), 4 w=f(r)); 1 when it uses none; 0 for a calculation.
int32_t FunctionTypeOf(const Element& e);

// The expression of a calculation or function as the user reads it: blanks removed, every
// lone letter of a named number replaced by the number's short name, "*" shown as "·"; a
// function starts with "y = ", "x = ", "r = " or "w = " by its type.
std::string DisplayedExpression(const Element& e);

// The name lists and status texts use: the short name, or for an unnamed calculation or
// function its displayed expression.
std::string AutomaticName(const Element& e);

// One line about an element: the kind's display name (for a function graph, its function's
// displayed expression), a blank and the element's short name.
std::string ElementCaption(const Element& e, const LanguageTable& lang);

}  // namespace velt
