#include "ui/strings_buttons.h"

namespace velt::str {

std::span<const StringEntry> ButtonStrings() {
  static const StringEntry entries[] = {
      {kButtonCaptionShowHide, "Ver/Ocultar"},
      {kButtonCaptionMove, "Mover"},
      {kMoveButtonRefused,
       "Elija pares de puntos: cada punto a mover seguido del punto al que irá. El punto de "
       "destino no puede ser uno de los elementos de los que depende el punto a mover ni "
       "depender de él, y un punto en cuadrícula no puede moverse."},
      {kScriptNoButton, "No hay un botón activo en"},
  };
  return entries;
}

}  // namespace velt::str
