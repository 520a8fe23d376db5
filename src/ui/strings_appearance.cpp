#include "ui/strings_appearance.h"

namespace velt::str {

std::span<const StringEntry> AppearanceStrings() {
  static const StringEntry entries[] = {
      {kOptionsMenuCaption, "&Opciones"},
      {kAppearanceMenuCaption, "Aspecto de los elementos..."},
      {kFontsMenuCaption, "Tipos de Letra..."},
      {kDocumentListMenuCaption, "Lista documentos..."},
      {kAppearanceCaption, "Aspecto de los elementos"},
      {kSchemesCaption, "Esquemas:"},
      {kColourShapeCaption, "Color, forma"},
      {kAntiAliasedNewCaption, "Dibujo suavizado (AA) en los documentos nuevos"},
      {kAxesFollowCaption, "los ejes siguen a las rectas, los vectores a los segmentos"},
      {kBackgroundCaption, "Fondo"},
      {kHiddenCaption, "Elementos ocultos"},
      {kSelectionCaption, "Selección"},
      {kPreviewCaption, "Vista previa"},
      {kColourButtonCaption, "Color..."},
      {kFontColoursCaption, "Color de las letras"},
      {kFontsCaption, "Tipos de Letra"},
      {kDocumentListCaption, "Lista de documentos"},
      {kCursorMessagesRowText, "Mensajes del cursor"},
      {kNamesRowText, "Nombres"},
      {kNumbersRowText, "Números"},
      {kTextRowText, "Texto"},
      {kTypeGroupText + 0, "puntos"},
      {kTypeGroupText + 1, "rectas,ejes"},
      {kTypeGroupText + 2, "semirectas"},
      {kTypeGroupText + 3, "segmentos"},
      {kTypeGroupText + 4, "polígonos"},
      {kTypeGroupText + 5, "circunferencias"},
      {kTypeGroupText + 6, "arcos"},
      {kTypeGroupText + 7, "ángulos"},
      {kTypeGroupText + 8, "lugares geométricos"},
      {kTypeGroupText + 9, "iteración"},
      {kSchemeText + 0, "documento actual"},
      {kSchemeText + 1, "predefinido actual"},
      {kSchemeText + 2, "negro"},
      {kSchemeText + 3, "blanco"},
      {kSchemeText + 4, "azulmarino"},
      {kSchemeText + 5, "azulclaro"},
      {kSchemeOtherText + 0, "current document"},
      {kSchemeOtherText + 1, "current default"},
      {kSchemeOtherText + 2, "black"},
      {kSchemeOtherText + 3, "white"},
      {kSchemeOtherText + 4, "ocean"},
      {kSchemeOtherText + 5, "skyblue"},
      {kShapeButtonCaption, "Forma"},
      {kDocListPrevious, "Anterior"},
      {kDocListNext, "Siguiente"},
      {kDocListLast, "Último"},
  };
  return entries;
}

}  // namespace velt::str
