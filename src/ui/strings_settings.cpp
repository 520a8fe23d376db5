#include "ui/strings_settings.h"

namespace velt::str {

std::span<const StringEntry> SettingsStrings() {
  static const StringEntry entries[] = {
      {kGeneralOptionsMenu, "Opciones generales..."},
      {kLanguageMenu, "Idioma..."},
      {kFactoryOptions, "Cargar opciones originales"},
      {kSaveOptions, "Guardar opciones"},
      {kClearRecent, "Eliminar lista de recientes"},
      {kTabEnvironment, "entorno"},
      {kTabConstruction, "construcción"},
      {kTabNumbers, "números"},
      {kDetectionDistanceLabel, "Distancia máxima de detección (píxels)"},
      {kPlaneSizeFieldLabel, "Tamaño del plano (píxels)"},
      {kLocusPointsLabel, "Puntos de un lugar geométrico nuevo"},
      {kNameDistanceLabel, "Distancia máxima nombre-elemento (pixels)"},
      {kDecimalsFieldLabel, "Decimales en pantalla"},
      {kPixelsPerUnitLabel, "Píxels por unidad de longitud"},
      {kLengthUnitLabel, "Unidad de longitud"},
      {kAngleUnitLabel, "Unidad de ángulos"},
      {kCoordinateSystemLabel, "Sistema de coordenadas"},
      {kRectangular, "rectangulares (x,y)"},
      {kPolar, "polares (r,theta)"},
      {kAdaptCursorColour, "Adaptar el color del mensaje del cursor a lo detectado"},
      {kBigButtons, "botones grandes"},
      {kHideMacroIntermediates, "Ocultar los elementos intermedios al aplicar una macro"},
      {kStepFromLast, "Iniciar paso a paso en el último elemento"},
      {kGeneralOptionsTitle, "Opciones generales"},
      {kViewerMode, "Modo visor"},
      {kOptionsDamaged,
       "el archivo de opciones está dañado; se usan las opciones originales y el archivo no se "
       "cambia hasta que se guarden las opciones"},
      {kOptionsNotSaved, "no se han podido guardar las opciones"},
      {kOnlyIntegers2To20, "Solo valen enteros entre 2 y 20"},
      {kOnlyIntegersBetween, "Solo valen enteros entre"},
      {kAndWord, "y"},
      {kOnlyIntegers10And, "Solo valen enteros entre 10 y"},
      {kOnlyIntegers20To100, "Solo valen enteros entre 20 y 100"},
      {kOnlyIntegers0To8, "Solo valen enteros entre 0 y 8"},
      {kOnlyReal0To1000, "Solo vale real entre 0 y 1000"},
      {kRecoveryOffer,
       "El programa no se cerró correctamente. Hay una copia de recuperación de este "
       "documento. ¿ Restaurarla ?"},
  };
  return entries;
}

}  // namespace velt::str
