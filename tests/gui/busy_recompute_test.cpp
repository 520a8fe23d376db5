// A long recompute in the window: the busy cursor while it runs, Escape stopping it, other
// input dropped meanwhile, and the window usable afterwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <chrono>
#include <thread>

#include "expr/calculation.h"
#include "expr/token_codes.h"
#include "geometry/graph_sampling.h"
#include "main_window.h"
#include "plane_widget.h"
#include "support/builders.h"

namespace velt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Notes, on the window's thread, whether the busy cursor shows when a posted event reaches it.
class CursorProbe : public QObject {
 public:
  bool sawBusyCursor = false;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    const QCursor* c = QApplication::overrideCursor();
    sawBusyCursor = c && c->shape() == Qt::WaitCursor;
    return true;
  }
};

// Counts the mouse releases of each button that reach a widget.
class ReleaseCounter : public QObject {
 public:
  int left = 0, right = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonRelease) {
      const auto button = static_cast<QMouseEvent*>(e)->button();
      left += button == Qt::LeftButton;
      right += button == Qt::RightButton;
    }
    return false;
  }
};

Element* AddFunction(Document& d, std::initializer_list<Element*> picks, const char* text) {
  Element* f = test::AddWithPicks(d, kFunction, picks);
  EXPECT_TRUE(expr::DefineExpression(*f, text, expr::kYofX)) << text;
  return f;
}

TEST(BusyRecompute, EscapeStopsASlowRecomputeAndTheWindowStaysUsable) {
  MainWindow w;
  int questions = 0;
  w.SetMessageHook([&](const QString&, const QString&, QMessageBox::StandardButtons) {
    ++questions;
    return QMessageBox::Cancel;
  });
  w.resize(900, 700);
  w.show();
  QApplication::processEvents();
  Document& d = w.workspace().doc();
  // f0(x) = x + 1, fk(x) = f(k-1)(x) + f(k-1)(x + 1): each value of f15 takes 32,768 calls,
  // and its graph of 2,000 samples tens of seconds.
  Element* axes = test::Add(d, kAxes, {test::AddPoint(d, 0, 0)});
  Element* f = AddFunction(d, {}, "X+1");
  for (int k = 1; k <= 15; ++k) f = AddFunction(d, {f}, "F1(X)+F1(X+1)");
  Element* graph = test::Add(d, kFunctionGraph, {f, axes}, {-3, 3, 0, 0});
  graph->as<SampleExt>()->sampleCount = 2000;
  test::AddPoint(d, 5, 5)->selected = 1;
  const size_t before = d.elements().size();

  // The left button is down on the status bar when the work begins.
  QWidget* bar = w.statusBar();
  ReleaseCounter releases;
  bar->installEventFilter(&releases);
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));

  // While the recompute after deleting the point runs, the close box is clicked, both mouse
  // buttons are released, then Escape is pressed, as the platform would post them.
  CursorProbe probe;
  // Events are made here: a key event made on another thread would make the keyboard device
  // there.
  auto* close = new QCloseEvent;
  auto* escape = new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  auto* look = new QEvent(QEvent::User);
  const QPointF at(5, 5);
  auto* leftUp = new QMouseEvent(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at),
                                 Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  auto* rightUp = new QMouseEvent(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at),
                                  Qt::RightButton, Qt::NoButton, Qt::NoModifier);
  std::thread user([&] {
    std::this_thread::sleep_for(800ms);
    QCoreApplication::postEvent(&w, close);
    QCoreApplication::postEvent(&probe, look);
    QCoreApplication::postEvent(bar, leftUp);
    QCoreApplication::postEvent(bar, rightUp);
    std::this_thread::sleep_for(300ms);
    QCoreApplication::postEvent(w.plane(), escape);
  });
  const auto start = Clock::now();
  w.interaction().DeleteSelection();
  const auto took = Clock::now() - start;
  EXPECT_EQ(releases.left, 0);  // held back while the work ran
  user.join();
  QApplication::processEvents();

  EXPECT_GT(took, 1000ms);  // it ran until Escape came
  EXPECT_LT(took, 8s);
  EXPECT_TRUE(probe.sawBusyCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // The close box did nothing; the point is deleted; the graph cut short shows nothing.
  EXPECT_EQ(questions, 0);
  EXPECT_TRUE(w.isVisible());
  // The button held when the work began is released now; the other release is dropped.
  EXPECT_EQ(releases.left, 1);
  EXPECT_EQ(releases.right, 0);
  ASSERT_EQ(d.elements().size(), before - 1);
  const SampleExt& s = *graph->as<SampleExt>();
  ASSERT_EQ(s.colours.size(), 2000u);
  EXPECT_EQ(s.colours[0], kLocusGap);
  EXPECT_EQ(s.colours[1999], kLocusGap);

  // The window takes clicks again; with a quick function the next recompute draws the graph.
  ASSERT_TRUE(expr::DefineExpression(*f, "X*X", expr::kYofX));
  w.findChild<QAction*>("M_Punto")->trigger();
  QTest::mouseClick(w.plane(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 120));
  ASSERT_EQ(d.elements().size(), before);
  EXPECT_EQ(d.elements().back()->kind, kFreePoint);
  w.interaction().SelectTool(Tool::Sel);
  d.elements().back()->selected = 1;
  w.interaction().DeleteSelection();
  EXPECT_EQ(d.elements().size(), before - 1);
  EXPECT_EQ(s.colours[0], 0);
  EXPECT_DOUBLE_EQ(s.y2[1999], 9.0);
}

}  // namespace
}  // namespace velt
