#pragma once
// The help window TV_ayuda: the HTML help pages shipped with the program, in a text browser
// with index, back and forward buttons.
#include <QDialog>
#include <functional>

#include "ui/language.h"

class QTextBrowser;

namespace velt {

// The folder of the help pages in the language of the table (the Spanish pages for the
// Spanish table, the English ones for any other); empty when no help is installed. Looked for
// in $VELT_HELP_DIR, beside the program and in the shared data folder of an installation.
QString HelpFolder(const LanguageTable& lang);

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  HelpWindow(const LanguageTable& lang, QWidget* parent);
  // Shows a page file of a help folder ("tool_B_Recta.html").
  void ShowPage(const QString& folder, const QString& file);
  // The file name of the page shown ("index.html").
  QString currentPage() const;
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
  QString folder_;
};

// Opens the page of the help in the language of the table, in the window of the main
// window, or when a modal dialog is in front (which blocks every other window) in a window of
// that dialog's own (closed with it); shared, when given, keeps the window of the main window.
// False when no help is installed.
bool OpenHelpPage(QWidget* from, const LanguageTable& lang, const QString& file,
                  HelpWindow** shared = nullptr);

// F1 in a dialog of owner that has a help page opens that page; notFound runs when no help
// is installed. The key stays with owner's life.
void InstallDialogHelpKey(QWidget* owner, const LanguageTable& lang,
                          std::function<void()> notFound);

}  // namespace velt
