#include "ui/strings_help.h"

namespace velt::str {

std::span<const StringEntry> HelpStrings() {
  static const StringEntry entries[] = {
      {kHelpWindowTitle, "Ayuda de VELT"},
      {kHelpIndexButton, "Índice"},
      {kHelpBackButton, "Atrás"},
      {kHelpForwardButton, "Adelante"},
  };
  return entries;
}

}  // namespace velt::str
