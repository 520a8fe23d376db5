#include "ui/strings_loci.h"

namespace velt::str {

std::span<const StringEntry> LociStrings() {
  static const StringEntry entries[] = {
      {kDisableAllTraces, "Desactivar todas las trazas"},
      {kClearTraces, "Borrar trazas"},
  };
  return entries;
}

}  // namespace velt::str
