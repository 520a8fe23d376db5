#pragma once
// Captions that follow the language table: a widget, menu or action remembers the string
// numbers of its caption, hint and status text, so that a change of language refreshes every
// one of them at once.
#include <QObject>

#include "ui/language.h"

namespace velt {

enum class TextRole { Caption, Hint, Status };

// Sets the text from the table now and remembers its number.
void SetText(QObject* o, int number, const LanguageTable& lang, TextRole role = TextRole::Caption);
// Sets every remembered text of root and of all its descendants from the table.
void RefreshTexts(QObject* root, const LanguageTable& lang);

}  // namespace velt
