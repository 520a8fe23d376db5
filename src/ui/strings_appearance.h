#pragma once
// String numbers of the appearance, fonts and document-list windows (2300..2349).
#include <span>

#include "ui/language.h"

namespace velt::str {

enum AppearanceString : int {
  kOptionsMenuCaption = 2300,  // "&Opciones"
  kAppearanceMenuCaption,      // "Aspecto de los elementos..."
  kFontsMenuCaption,           // "Tipos de Letra..."
  kDocumentListMenuCaption,    // "Lista documentos..."
  kAppearanceCaption,
  kSchemesCaption,
  kColourShapeCaption,
  kAntiAliasedNewCaption,
  kAxesFollowCaption,
  kBackgroundCaption,
  kHiddenCaption = 2310,
  kSelectionCaption,
  kPreviewCaption,
  kColourButtonCaption,
  kFontColoursCaption,
  kFontsCaption,
  kDocumentListCaption,
  kCursorMessagesRowText,  // the four document fonts, in their order
  kNamesRowText,
  kNumbersRowText,
  kTextRowText = 2320,
  kTypeGroupText = 2321,    // ten type groups, 2321..2330
  kSchemeText = 2331,       // six schemes with the Spanish table, 2331..2336
  kSchemeOtherText = 2337,  // the same with any other language, 2337..2342
  kShapeButtonCaption = 2343,
  kDocListPrevious = 2344,  // the document list's own buttons, without menu accelerators
  kDocListNext = 2345,
  kDocListLast = 2346,
};

std::span<const StringEntry> AppearanceStrings();

}  // namespace velt::str
