#include "ui/strings_files.h"

namespace velt::str {

std::span<const StringEntry> FileStrings() {
  static const StringEntry entries[] = {
      {kNotAValidFile, "no es un archivo válido"},
      {kWriteError, "error de escritura"},
      {kNewerVersion, "el archivo fue creado por una versión más reciente del programa"},
      {kNoSuchElement, "no existe el elemento"},
      {kSaveOptionsQuestion, "¿ Guardar las opciones actuales ?"},
      {kNotADocument, "el archivo es una macro, no un documento"},
      {kCannotDrag, "el elemento no se puede arrastrar"},
      {kNoLanguageFiles, "No se encuentran ficheros de lenguaje"},
      {kCyclicReferencesCut,
       "el archivo tenía referencias circulares entre elementos; se han eliminado"},
  };
  return entries;
}

}  // namespace velt::str
