#pragma once
// The referenced elements of a calculation or function: numbers (lettered A, B, ... in list
// order) and user functions (F1, F2, ... in list order), and their place in the value table.
#include <span>
#include <vector>

#include "model/element.h"

namespace velt::expr {

struct VariableCounts {
  int letters = 0;    // referenced numbers
  int functions = 0;  // referenced user functions
  // Slot of the first literal constant in the value table.
  int ConstantBase() const { return 1 + letters + functions; }
};

bool IsUserFunctionElement(const Element* e);
VariableCounts CountVariables(const ExpressionExt& x);
// The user functions in list order: Fn calls element n - 1.
std::vector<const Element*> UserFunctionsOf(const ExpressionExt& x);
// Copies each referenced number's value into its letter slot (slot 1 for A, ...). False when
// a number is missing, does not exist or has no value, or the table has no room.
bool LoadVariableValues(const ExpressionExt& x, std::span<double> table);

}  // namespace velt::expr
