#include "language_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace velt {

std::optional<QString> ChooseLanguageDialog(const QStringList& names, const QString& current,
                                            QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName("TV_idioma");
  dialog.setWindowTitle("VELT - Language");
  auto* list = new QListWidget(&dialog);
  list->setObjectName("ListBox1");
  list->addItems(names);
  const int at = static_cast<int>(names.indexOf(current));
  list->setCurrentRow(at >= 0 ? at : 0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || !list->currentItem()) return std::nullopt;
  return list->currentItem()->text();
}

}  // namespace velt
