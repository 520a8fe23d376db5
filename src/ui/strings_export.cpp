#include "ui/strings_export.h"

namespace velt::str {

std::span<const StringEntry> ExportStrings() {
  static const StringEntry entries[] = {
      {kPrintBitmapQuestion,
       "Se imprimirá la imagen de la pantalla (o el interior del rectángulo de selección). "
       "¿ Continuar ?"},
      {kNoDefaultPrinter, "There is no default printer currently selected"},
      {kPictureReadOnly, "el archivo es de sólo lectura; la imagen no se ha guardado"},
      {kPictureNotWritten, "no se ha podido guardar la imagen"},
      {kNoClipboardPicture, "el portapapeles no contiene ninguna imagen"},
      {kPictureTooLarge, "la imagen es demasiado grande"},
      {kPrintMenu, "Imprimir..."},
      {kPrintBitmapMenu, "Imprimir bitmap"},
      {kCopyPictureMenu, "Copiar imagen"},
      {kPastePictureMenu, "Pegar imagen"},
      {kPrintPreviewCaption, "Imprimir"},
      {kPlaneSizeLabel, "Tamaño del plano"},
      {kPrintScaleLabel, "Escala"},
      {kCopiesLabel, "Copias"},
      {kPrinterSetupButton, "Opciones..."},
      {kPrintButton, "Imprimir"},
      {kPictureFilter,
       "Imágenes (*.bmp *.png);;Dibujos vectoriales (*.svg *.pdf);;Figura TikZ (*.tex)"},
      {kConstructionListCaption, "Lista construcción"},
      {kShowAllButton, "Ver todo"},
  };
  return entries;
}

}  // namespace velt::str
