#pragma once
// String numbers of the calculator and the parameter dialog (1050..1079).
#include <cstdint>
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int kExpressionTooLong = 1050;  // more than 100 characters
inline constexpr int kExpressionInvalid = 1051;  // does not compile
inline constexpr int kInvalidInput = 1052;       // a parameter field that is no number
inline constexpr int kCalculatorCaption = 1053;
// The function types 0..4 ("Cálculo", "y=f(x)", ...).
inline constexpr int FunctionTypeName(int32_t type) { return 1054 + type; }
// Captions of the calculator's word buttons.
inline constexpr int kButtonSin = 1059;
inline constexpr int kButtonCos = 1060;
inline constexpr int kButtonTan = 1061;
inline constexpr int kButtonLog = 1062;
inline constexpr int kButtonLn = 1063;
inline constexpr int kButtonSqr = 1064;
inline constexpr int kButtonAbs = 1065;
inline constexpr int kButtonInt = 1066;
inline constexpr int kButtonPi = 1067;
inline constexpr int kButtonArc = 1068;
inline constexpr int kButtonClear = 1069;
inline constexpr int kButtonExecute = 1070;
inline constexpr int kButtonOff = 1071;  // closes the calculator
// The parameter dialog's fields and button.
inline constexpr int kParameterValue = 1072;
inline constexpr int kParameterMinimum = 1073;
inline constexpr int kParameterMaximum = 1074;
inline constexpr int kParameterOk = 1075;
inline constexpr int kCalculatorLetters = 1076;  // heads the list of picked numbers

std::span<const StringEntry> NumberStrings();

}  // namespace velt::str
