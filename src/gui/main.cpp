// velt: the main window, opened on the document named on the command line, if any.
#include <QApplication>

#include "main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VELT");
  const QStringList args = QApplication::arguments();
  velt::MainWindow window(args.size() > 1 ? args.at(1) : QString());
  window.show();
  return QApplication::exec();
}
