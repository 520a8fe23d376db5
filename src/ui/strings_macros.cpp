#include "ui/strings_macros.h"

namespace velt::str {

std::span<const StringEntry> MacroStrings() {
  static const StringEntry entries[] = {
      {kMacroTitle, "Macros"},
      {kMacroInitials, "Elementos Iniciales"},
      {kMacroFinals, "Elementos Finales"},
      {kMacroComplete, "Completar Macro"},
      {kMacroOk, "OK"},
      {kMacroSave, "Guardar macro"},
      {kMacroLoad, "Cargar macros"},
      {kMacroRename, "Cambiar Nombre"},
      {kMacroDelete, "Eliminar macro"},
      {kMacroNamePrompt, "Nombre para la macro"},
      {kMacroNeedsName, "Debe tener un nombre"},
      {kMacroNotFinal, "No puede ser un elemento final"},
      {kMacroTableFull, "No caben más macros: un documento guarda como mucho 100 macros"},
      {kMacroLoadFromFile, "Cargar desde un archivo..."},
      {kMacroOtherDocuments, "Macros de otros documentos"},
      {kMacroMalformed,
       "La macro está dañada: sus elementos nombran elementos que no existen o que vienen "
       "después; no se ha construido nada"},
      {kMacroPicksMismatch, "Los elementos elegidos no corresponden a los de la macro"},
      {kMacroNothingChosen, "Elija primero los elementos iniciales y los finales"},
      {kMacroNotFound, "no hay ninguna macro con ese nombre"},
      {kMacroFileFilter, "Macros (*.mac)"},
      {kMacroHelp, "Ayuda"},
  };
  return entries;
}

}  // namespace velt::str
