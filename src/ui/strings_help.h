#pragma once
// String numbers of the help window (2500..2509).
#include <span>

#include "ui/language.h"

namespace velt::str {

enum HelpString : int {
  kHelpWindowTitle = 2500,  // TV_ayuda
  kHelpIndexButton,         // B_indice: back to the index page
  kHelpBackButton,          // B_atras
  kHelpForwardButton,       // B_adelante
};

std::span<const StringEntry> HelpStrings();

}  // namespace velt::str
