#include "ui/strings_numbers.h"

namespace velt::str {

std::span<const StringEntry> NumberStrings() {
  static const StringEntry entries[] = {
      {kExpressionTooLong, "La expresión está limitada a 100 caracteres"},
      {kExpressionInvalid, "la expresión no es válida"},
      {kInvalidInput, "Datos de entrada no válidos"},
      {kCalculatorCaption, "Función"},
      {FunctionTypeName(0), "Cálculo"},
      {FunctionTypeName(1), "y=f(x)"},
      {FunctionTypeName(2), "x=f(y)"},
      {FunctionTypeName(3), "r=f(w)"},
      {FunctionTypeName(4), "w=f(r)"},
      {kButtonSin, "sin"},
      {kButtonCos, "cos"},
      {kButtonTan, "tan"},
      {kButtonLog, "log"},
      {kButtonLn, "ln"},
      {kButtonSqr, "sqr"},
      {kButtonAbs, "abs"},
      {kButtonInt, "int"},
      {kButtonPi, "pi"},
      {kButtonArc, "arc"},
      {kButtonClear, "C"},
      {kButtonExecute, "="},
      {kButtonOff, "Apagar"},
      {kParameterValue, "Valor"},
      {kParameterMinimum, "Mínimo"},
      {kParameterMaximum, "Máximo"},
      {kParameterOk, "Aceptar"},
      {kCalculatorLetters, "Variables"},
  };
  return entries;
}

}  // namespace velt::str
