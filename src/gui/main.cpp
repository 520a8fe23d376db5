// velt: the main window, opened on the document named on the command line, if any.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "language_dialog.h"
#include "main_window.h"
#include "settings_store.h"
#include "startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VELT");
  QApplication::setOrganizationName("VELT");
  const QStringList args = QApplication::arguments();
  const QSize screen = QApplication::primaryScreen()->size();
  velt::StartupHooks hooks;
  hooks.chooseLanguage = [](const QStringList& names) {
    return velt::ChooseLanguageDialog(names, QString(), nullptr);
  };
  hooks.inform = [](const std::string& text) {
    QMessageBox::information(nullptr, "VELT", QString::fromStdString(text));
  };
  auto start = velt::StartUp(velt::OptionsFilePath(),
                             velt::ScreenExtent(screen.width(), screen.height()), hooks);
  if (!start) return 0;
  start->recoveryRoot = velt::RecoveryFolder();
  velt::MainWindow window(args.size() > 1 ? args.at(1) : QString());
  window.Start(*start);
  window.show();
  return QApplication::exec();
}
