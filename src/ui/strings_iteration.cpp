#include "ui/strings_iteration.h"

namespace velt::str {

std::span<const StringEntry> IterationStrings() {
  static const StringEntry entries[] = {
      {kIterInitialSet, "Elementos iniciales"},
      {kIterDestinationSet, "Elementos destino"},
      {kIterChooseElements, "Elegir elementos"},
      {kIterAddDestination, "Añadir elementos destino"},
      {kIterRemove, "Eliminar"},
      {kIterCountButton, "Número de iteraciones"},
      {kIterNew, "Nueva iteración"},
      {kIterCountLabel, "Número de iteraciones:"},
      {kIterCountFrom, "Iteraciones"},
  };
  return entries;
}

}  // namespace velt::str
