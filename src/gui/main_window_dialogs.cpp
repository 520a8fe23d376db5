// The appearance, fonts and document-list windows, and the font chooser of the font tool.
#include <QMenu>

#include "appearance_dialog.h"
#include "document_list_window.h"
#include "fonts_dialog.h"
#include "main_window.h"
#include "ui/strings_appearance.h"

namespace velt {

void MainWindow::AddDialogCommands(QMenu* options) {
  options->setObjectName("M_menu_opciones");
  options->addAction(
      MakeAction("M_op_asp", str::kAppearanceMenuCaption, [this] { AppearanceCommand(); }));
  options->addAction(MakeAction("M_op_Let", str::kFontsMenuCaption, [this] { FontsCommand(); }));
  // The document list goes under "Último" in the document menu.
  QAction* list =
      MakeAction("M_listadoc", str::kDocumentListMenuCaption, [this] { DocumentListCommand(); });
  const QList<QAction*> entries = docMenu_->actions();
  const qsizetype last = entries.indexOf(actions_["M_doc_ult"]);
  if (last >= 0 && last + 1 < entries.size()) {
    docMenu_->insertAction(entries[last + 1], list);
  } else {
    docMenu_->addAction(list);
  }
}

void MainWindow::AppearanceCommand() {
  if (ws_.documents.placeholder()) return;
  TOp_aspecto dialog(
      ws_.doc(), ws_.options, ws_.language, {},
      [this] {
        RefreshDocumentLists();
        Repaint();
      },
      this);
  dialog.exec();
}

void MainWindow::FontsCommand() {
  if (ws_.documents.placeholder()) return;
  TOp_fon dialog(
      ws_.doc(), ws_.language, [this](Font& f) { return AskFont(f, this); },
      [this] {
        RefreshDocumentLists();
        Repaint();
      },
      this);
  dialog.exec();
}

void MainWindow::DocumentListCommand() {
  TV_listadoc dialog(
      ws_.documents, *this, ws_.options, ws_.language,
      [this](const std::function<void()>& change) {
        ix_.BeforeDocumentChange();
        change();
        AfterDocumentChange();
      },
      this);
  dialog.exec();
}

bool MainWindow::ChooseFont(Font& font) { return AskFont(font, this); }

}  // namespace velt
