// The viewer mode and its bar, full screen and the window placement kept in the settings
// store, the trace entries of the "Ver" menu and the "+"/"-" keys, on the offscreen platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "io/options_file.h"
#include "io/safe_file.h"
#include "main_window.h"
#include "plane_widget.h"
#include "settings_store.h"
#include "support/builders.h"

namespace velt {
namespace {

QAction* Action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }
QToolBar* Bar(MainWindow& w, const char* name) { return w.findChild<QToolBar*>(name); }
bool Shown(MainWindow& w, QWidget* child) { return child && child->isVisibleTo(&w); }

TEST(ViewerMode, TheViewerBarReplacesTheToolBarsWhichComeBackAsTheUserLeftThem) {
  QTemporaryDir dir;
  MainWindow w;
  MainWindow::StartState start;
  start.options = FactoryOptions(1000);
  start.optionsPath = PathFromUtf8((dir.path() + "/velt.ini").toStdString());
  w.Start(start);
  w.show();
  Action(w, "BotEdit1")->trigger();  // the user hides the edit buttons
  ASSERT_FALSE(Shown(w, Bar(w, "BotEdit")));
  ASSERT_TRUE(Shown(w, Bar(w, "BarradeBotones")));
  ASSERT_FALSE(Shown(w, Bar(w, "BarraVisor")));
  w.interaction().SelectTool(Tool::B_Segmento);

  Action(w, "M_modovisor")->trigger();
  EXPECT_TRUE(w.workspace().viewerMode);
  EXPECT_TRUE(Action(w, "M_modovisor")->isChecked());
  EXPECT_TRUE(Shown(w, Bar(w, "BarraVisor")));
  for (const char* bar : {"BarradeBotones", "BotEdit", "Botdocumento"})
    EXPECT_FALSE(Shown(w, Bar(w, bar))) << bar;
  EXPECT_TRUE(Shown(w, w.statusBar()));
  EXPECT_EQ(w.interaction().tool(), Tool::Sel);
  // Meanwhile the bar switches stay as the user left them and cannot be changed.
  for (const char* name : {"BarradeBotones1", "BotEdit1", "Botdocumento1", "BarrEst"})
    EXPECT_FALSE(Action(w, name)->isEnabled()) << name;
  EXPECT_FALSE(Action(w, "BotEdit1")->isChecked());

  // The viewer bar's tool buttons are pressed with their tools.
  auto* movsel = w.findChild<QToolButton*>("B_visor_movsel");
  auto* zoom = w.findChild<QToolButton*>("B_visor_zoom");
  ASSERT_NE(movsel, nullptr);
  ASSERT_NE(zoom, nullptr);
  EXPECT_TRUE(movsel->isChecked());
  zoom->click();
  EXPECT_EQ(w.interaction().tool(), Tool::B_zoom);
  EXPECT_TRUE(zoom->isChecked());
  EXPECT_FALSE(movsel->isChecked());
  auto* hidden = w.findChild<QToolButton*>("B_visor_todoelem");
  ASSERT_NE(hidden, nullptr);
  hidden->click();
  EXPECT_TRUE(w.workspace().showHidden);
  EXPECT_TRUE(Action(w, "TodosElem1")->isChecked());
  hidden->click();

  // "Guardar opciones" keeps the bars of normal mode, not the hidden ones of the mode.
  w.SetMessageHook([](const QString&, const QString&, QMessageBox::StandardButtons) {
    return QMessageBox::Yes;
  });
  Action(w, "M_op_save")->trigger();
  Options read;
  ASSERT_EQ(LoadOptionsFile(start.optionsPath, 1000, read), OptionsLoad::Loaded);
  EXPECT_EQ(read.mainBarVisible, 1);
  EXPECT_EQ(read.editBarVisible, 0);
  EXPECT_EQ(read.documentBarVisible, 1);
  EXPECT_EQ(read.statusBarVisible, 1);

  // The bar's own button leaves the mode: the bars come back as they were.
  auto* leave = w.findChild<QToolButton*>("B_visor_salirvisor");
  ASSERT_NE(leave, nullptr);
  leave->click();
  EXPECT_FALSE(w.workspace().viewerMode);
  EXPECT_FALSE(Action(w, "M_modovisor")->isChecked());
  EXPECT_FALSE(Shown(w, Bar(w, "BarraVisor")));
  EXPECT_TRUE(Shown(w, Bar(w, "BarradeBotones")));
  EXPECT_FALSE(Shown(w, Bar(w, "BotEdit")));
  EXPECT_TRUE(Shown(w, Bar(w, "Botdocumento")));
  EXPECT_EQ(w.interaction().tool(), Tool::Sel);
  for (const char* name : {"BarradeBotones1", "BotEdit1", "Botdocumento1", "BarrEst"})
    EXPECT_TRUE(Action(w, name)->isEnabled()) << name;
}

TEST(FullScreen, LeavingItRestoresThePlaceOrCentresAWindowThatWasOffTheScreen) {
  MainWindow w;
  w.show();
  const QRect work = w.screen()->availableGeometry();
  const QRect mine(work.left() + 40, work.top() + 30, 600, 460);
  w.setGeometry(mine);
  QApplication::processEvents();
  Action(w, "PantallaCom")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(w.isFullScreen());
  EXPECT_TRUE(Action(w, "PantallaCom")->isChecked());
  EXPECT_EQ(w.RestoredGeometry(), mine);
  Action(w, "PantallaCom")->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(w.isFullScreen());
  EXPECT_FALSE(Action(w, "PantallaCom")->isChecked());
  EXPECT_EQ(w.geometry(), mine);

  // A place that is no longer on the screen: the window comes back centred.
  const QRect away(work.right() + 500, work.top() + 30, 560, 440);
  w.setGeometry(away);
  QApplication::processEvents();
  Action(w, "PantallaCom")->trigger();
  QApplication::processEvents();
  Action(w, "PantallaCom")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(w.geometry().size(), away.size());
  EXPECT_EQ(w.geometry().center(), work.center());
}

// The settings store of this test lives in a folder of its own.
class StoredPlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    for (auto f : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(f, QSettings::UserScope, dir_.path());
  }
  void TearDown() override {
    QSettings("VELT", "VELT7").clear();
    // Back to the user's folder, where the store is when no test moved it.
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    for (auto f : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(f, QSettings::UserScope, home);
  }
  MainWindow::StartState Persisting() {
    MainWindow::StartState start;
    start.options = FactoryOptions(1000);
    start.persist = true;
    return start;
  }
  QTemporaryDir dir_;
};

TEST_F(StoredPlacement, FullScreenComesBackAtStartAndTheViewerModeLeavesTheStoreAlone) {
  const QString cwd = QDir::currentPath();
  {
    MainWindow w;
    w.Start(Persisting());
    w.show();
    w.setGeometry(w.screen()->availableGeometry().topLeft().x() + 30,
                  w.screen()->availableGeometry().top() + 40, 500, 400);
    QApplication::processEvents();
    Action(w, "PantallaCom")->trigger();
    QApplication::processEvents();
    w.close();
  }
  QDir::setCurrent(cwd);
  WindowPlacement p = LoadPlacement();
  ASSERT_TRUE(p.valid);
  EXPECT_TRUE(p.fullScreen);
  EXPECT_EQ(p.normal, QRect(30, 40, 500, 400));
  EXPECT_EQ(p.state, 0);
  {
    MainWindow w;
    w.Start(Persisting());
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.isFullScreen());
    EXPECT_TRUE(Action(w, "PantallaCom")->isChecked());
    const QPoint origin = w.screen()->availableGeometry().topLeft();
    EXPECT_EQ(w.RestoredGeometry(), QRect(origin + QPoint(30, 40), QSize(500, 400)));
    // Out of full screen, moved, then closed in the viewer mode: nothing of it is stored.
    Action(w, "PantallaCom")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(w.geometry(), QRect(origin + QPoint(30, 40), QSize(500, 400)));
    w.setGeometry(QRect(origin + QPoint(60, 70), QSize(450, 350)));
    Action(w, "M_modovisor")->trigger();
    w.close();
  }
  QDir::setCurrent(cwd);
  p = LoadPlacement();
  EXPECT_TRUE(p.fullScreen);
  EXPECT_EQ(p.normal, QRect(30, 40, 500, 400));
}

TEST(TraceEntries, SwitchingAllTracesOffIsOfferedOnlyWhileSomethingIsTraced) {
  MainWindow w;
  Document& d = w.workspace().doc();
  Element* a = test::AddPoint(d, 10, 10);
  auto* view = w.findChild<QMenu*>("M_menu_ver");
  ASSERT_NE(view, nullptr);
  QAction* off = Action(w, "M_traza_desactivar");
  emit view->aboutToShow();
  EXPECT_FALSE(off->isEnabled());
  d.figure->traces.push_back(a);
  emit view->aboutToShow();
  EXPECT_TRUE(off->isEnabled());
  const int before = d.undo.position;
  off->trigger();
  EXPECT_TRUE(d.figure->traces.empty());
  EXPECT_EQ(d.undo.position, before + 1);
  emit view->aboutToShow();
  EXPECT_FALSE(off->isEnabled());
  // Undo brings the trace back, and the entry with it.
  Action(w, "M_undo")->trigger();
  EXPECT_EQ(w.workspace().doc().figure->traces.size(), 1u);
  EXPECT_TRUE(off->isEnabled());
  // "Borrar trazas" stays offered: it also redraws everything.
  EXPECT_TRUE(Action(w, "M_dibtodo")->isEnabled());
}

TEST(StepKeys, PlusAndMinusOnTheWindowStepASelectedParameter) {
  MainWindow w;
  w.show();
  Document& d = w.workspace().doc();
  Element* p = test::Add(d, kParameter, {});
  p->value[0] = 2;
  p->as<ParameterExt>()->increment = 0.5;
  p->selected = 1;
  QTest::keyClick(w.plane(), Qt::Key_Plus);
  QTest::keyClick(w.plane(), Qt::Key_Plus);
  EXPECT_DOUBLE_EQ(w.workspace().doc().elements()[0]->value[0], 3);
  QTest::keyClick(w.plane(), Qt::Key_Minus);
  EXPECT_DOUBLE_EQ(w.workspace().doc().elements()[0]->value[0], 2.5);
}

}  // namespace
}  // namespace velt
