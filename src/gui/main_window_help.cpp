// The help menu of MainWindow: the index of the help pages, and the page of the current tool
// (F1; in a dialog, F1 opens that dialog's page).
#include <QMenu>

#include "help_window.h"
#include "main_window.h"
#include "ui/help_pages.h"
#include "ui/strings_window.h"

namespace velt {

void MainWindow::BuildHelpMenu(QMenu* help) {
  help->addAction(MakeAction("M_ayuda_contenidos", str::kHelpContents,
                             [this] { ShowHelpPage(std::string(help::kIndexPage)); }));
  help->addAction(MakeAction(
      "M_ayuda_pagina", str::kHelpPage, [this] { ShowHelpPage(help::ToolPage(ix_.tool())); },
      QKeySequence(Qt::Key_F1)));
  InstallDialogHelpKey(this, ws_.language,
                       [this] { ShowMessage(ws_.Text(str::kNoHelpFile), MessageIcon::Warning); });
}

void MainWindow::ShowHelpPage(const std::string& file) {
  if (!OpenHelpPage(this, ws_.language, QString::fromStdString(file), &help_))
    ShowMessage(ws_.Text(str::kNoHelpFile), MessageIcon::Warning);
}

}  // namespace velt
