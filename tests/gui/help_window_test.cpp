// The help window on the offscreen platform: F1 opens the page of the current tool in the
// language of the table, F1 in a dialog the dialog's page, and a missing help is reported.
#include "help_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "colour_scale_dialog.h"
#include "io/language_file.h"
#include "main_window.h"
#include "ui/help_pages.h"

namespace velt {
namespace {

#ifdef VELT_HELP_BUILD_DIR

struct HelpDir {
  explicit HelpDir(const QString& dir) { qputenv("VELT_HELP_DIR", dir.toUtf8()); }
  ~HelpDir() { qunsetenv("VELT_HELP_DIR"); }
};

struct Window {
  MainWindow w;
  Window() {
    w.resize(900, 700);
    w.show();
    w.activateWindow();
    QApplication::processEvents();
  }
  QAction* Action(const char* name) { return w.findChild<QAction*>(name); }
};

TEST(HelpWindow, F1OpensThePageOfTheCurrentToolInTheLanguageOfTheTable) {
  HelpDir dir(VELT_HELP_BUILD_DIR);
  Window t;
  t.Action("M_Circunf")->trigger();
  ASSERT_EQ(t.w.interaction().tool(), Tool::B_Circunf);
  QTest::keyClick(&t.w, Qt::Key_F1);
  HelpWindow* help = t.w.helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->currentPage(), "tool_B_Circunf.html");
  EXPECT_TRUE(help->browser()->source().path().endsWith("/es/tool_B_Circunf.html"));
  EXPECT_EQ(help->browser()->documentTitle(), "Circunferencia");
  EXPECT_EQ(help->windowTitle(), "Ayuda de VELT");

  // A link of the page, then back.
  auto* back = help->findChild<QPushButton*>("B_atras");
  EXPECT_FALSE(back->isEnabled());
  help->browser()->setSource(QUrl("tool_B_Circ2pr.html"));
  EXPECT_EQ(help->currentPage(), "tool_B_Circ2pr.html");
  ASSERT_TRUE(back->isEnabled());
  back->click();
  EXPECT_EQ(help->currentPage(), "tool_B_Circunf.html");
  help->findChild<QPushButton*>("B_indice")->click();
  EXPECT_EQ(help->currentPage(), "index.html");

  // In English the same key shows the English page of the next tool, in the same window.
  auto english =
      ReadLanguageFile(std::filesystem::path(VELT_SOURCE_DIR) / "languages" / "English.lng");
  ASSERT_TRUE(english.has_value());
  t.w.ApplyLanguage(*english);
  t.Action("M_Segmento")->trigger();
  t.w.activateWindow();
  QTest::keyClick(&t.w, Qt::Key_F1);
  EXPECT_EQ(t.w.helpWindow(), help);
  EXPECT_TRUE(help->browser()->source().path().endsWith("/en/tool_B_Segmento.html"));
  EXPECT_EQ(help->browser()->documentTitle(), "Segment");
  EXPECT_EQ(help->windowTitle(), "VELT help");

  // "Contents" opens the index.
  t.Action("M_ayuda_contenidos")->trigger();
  EXPECT_EQ(help->currentPage(), "index.html");
}

TEST(HelpWindow, F1InAModalDialogOpensTheDialogsPage) {
  HelpDir dir(VELT_HELP_BUILD_DIR);
  Window t;
  TVcolpar dialog(t.w.workspace(), &t.w);
  QString shown;
  QTimer::singleShot(0, &dialog, [&] {
    QTest::keyClick(&dialog, Qt::Key_F1);
    // The main window is blocked behind the dialog: the page opens in a window of the dialog.
    if (auto* help = dialog.findChild<HelpWindow*>()) {
      shown = help->currentPage();
      help->close();
    }
    dialog.reject();
  });
  dialog.exec();
  EXPECT_EQ(shown, "dialog_TVcolpar.html");
  EXPECT_EQ(t.w.helpWindow(), nullptr);
}

TEST(HelpWindow, MissingHelpIsReported) {
  QTemporaryDir empty;
  HelpDir dir(empty.path());
  Window t;
  QString said;
  t.w.SetMessageHook([&](const QString&, const QString& text, QMessageBox::StandardButtons) {
    said = text;
    return QMessageBox::Ok;
  });
  QTest::keyClick(&t.w, Qt::Key_F1);
  EXPECT_EQ(said, "No se ha encontrado el archivo de ayuda");
  EXPECT_EQ(t.w.helpWindow(), nullptr);
}

#endif

// Every dialog class of the window names itself in its constructor, and that name has a help
// page: a new dialog without a page fails here rather than with a silent F1.
TEST(HelpWindow, EveryDialogClassHasAPage) {
  const QDir gui(QString(VELT_SOURCE_DIR) + "/src/gui");
  QString sources;
  for (const QString& f : gui.entryList({"*.cpp"}, QDir::Files)) {
    QFile file(gui.filePath(f));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    sources += QString::fromUtf8(file.readAll());
  }
  int dialogs = 0;
  for (const QString& f : gui.entryList({"*.h"}, QDir::Files)) {
    QFile file(gui.filePath(f));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString header = QString::fromUtf8(file.readAll());
    static const QRegularExpression declared("class (\\w+) : public QDialog");
    for (auto m = declared.globalMatch(header); m.hasNext();) {
      const QString cls = m.next().captured(1);
      const QRegularExpression named(cls + "::" + cls +
                                     "\\([^{]*\\{[^}]*?setObjectName\\(\"(\\w+)\"\\)");
      const QRegularExpressionMatch n = named.match(sources);
      ASSERT_TRUE(n.hasMatch()) << cls.toStdString() << " names no window";
      const std::string window = n.captured(1).toStdString();
      ++dialogs;
      if (window == "TV_ayuda") continue;  // the help window itself
      EXPECT_TRUE(help::DialogPage(window).has_value()) << cls.toStdString() << " " << window;
    }
  }
  EXPECT_GE(dialogs, 18);  // the scan found the dialogs at all
}

}  // namespace
}  // namespace velt
