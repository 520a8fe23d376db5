#pragma once
// What a macro's stored numbers must satisfy before they become references: each element
// carries its own number, rising by one from the first; each reference names an initial or
// an element before the one that holds it.
#include <cstdint>

#include "model/document.h"

namespace velt {

enum class MacroFault {
  None,
  Empty,             // no recorded element or no parameter
  BadParameterType,  // a parameter type outside the element types, or one nothing can pick
  BadNumbering,      // the elements' own numbers do not rise by one
  ForwardReference,  // a reference to the element itself or to a later one
  OutOfRange,        // a reference to a number no element of the macro or initial holds
};

struct MacroCheck {
  MacroFault fault = MacroFault::None;
  int32_t initials = 0;  // the number of the first recorded element: the expanded initials
};

MacroCheck CheckMacro(const Macro& m);

}  // namespace velt
