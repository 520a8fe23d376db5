#include "ui/strings_scripts.h"

namespace velt::str {

std::span<const StringEntry> ScriptStrings() {
  static const StringEntry entries[] = {
      {kScriptUnknownCommand, "orden desconocida"},
      {kScriptArguments, "datos incorrectos; se espera"},
      {kScriptNotANumber, "no es un número finito"},
      {kScriptUnknownTool, "herramienta desconocida"},
      {kScriptToolNotBuilt, "herramienta todavía no disponible"},
      {kScriptUnknownKey, "tecla desconocida"},
      {kScriptOutsideWindow, "la posición queda fuera de la ventana"},
      {kScriptTooLong, "el guion es demasiado largo"},
      {kScriptLineTooLong, "la línea es demasiado larga"},
      {kScriptCannotRead, "no se puede leer el guion"},
      {kScriptTooFar, "la coordenada es demasiado grande"},
      {kScriptTooMuchUndo, "el historial de deshacer del guion es demasiado grande"},
      {kScriptNoCalculator, "la calculadora no está abierta"},
  };
  return entries;
}

}  // namespace velt::str
