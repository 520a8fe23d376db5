#include "ui/strings_buttons.h"

namespace velt::str {

std::span<const StringEntry> ButtonStrings() {
  static const StringEntry entries[] = {
      {kButtonCaptionShowHide, "Ver/Ocultar"},
      {kButtonCaptionMove, "Mover"},
      {kMoveButtonRefused,
       "Elija pares de puntos: cada punto a mover y su destino, sin que uno dependa del otro. "
       "Un punto en cuadrícula no puede moverse."},
      {kScriptNoButton, "No hay un botón activo en"},
  };
  return entries;
}

}  // namespace velt::str
