// velt: the main window, opened on the document named on the command line, if any.
#include <QApplication>

#include "main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VELT");
  velt::TForm1 window;
  window.show();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) window.OpenFile(args.at(1));
  return QApplication::exec();
}
