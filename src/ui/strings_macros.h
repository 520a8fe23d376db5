#pragma once
// String numbers of the macro dialog and the macro messages (2020..2049).
#include <span>

#include "ui/language.h"

namespace velt::str {

enum MacroString : int {
  kMacroTitle = 2020,
  kMacroInitials,
  kMacroFinals,
  kMacroComplete,
  kMacroOk,
  kMacroSave,
  kMacroLoad,
  kMacroRename,
  kMacroDelete,
  kMacroNamePrompt,
  kMacroNeedsName,  // 2030
  kMacroNotFinal,
  kMacroTableFull,
  kMacroLoadFromFile,
  kMacroOtherDocuments,
  kMacroMalformed,
  kMacroPicksMismatch,
  kMacroNothingChosen,
  kMacroNotFound,
  kMacroFileFilter,
  kMacroHelp,  // 2040
};

std::span<const StringEntry> MacroStrings();

}  // namespace velt::str
