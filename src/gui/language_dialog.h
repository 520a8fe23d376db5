#pragma once
// "VELT - Language": the list of language files to choose from.
#include <QStringList>
#include <optional>

class QWidget;

namespace velt {

// The chosen name, or nothing when the user cancels.
std::optional<QString> ChooseLanguageDialog(const QStringList& names, const QString& current,
                                            QWidget* parent);

}  // namespace velt
