// Dialogs whose controls have nothing to gain from more room keep their size when the user
// drags a corner, instead of spreading their buttons over empty space; the replay window
// widens but keeps its height, and Tab walks its controls in the order they are seen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "animation_window.h"
#include "appearance_dialog.h"
#include "colour_scale_dialog.h"
#include "edit_element_dialog.h"
#include "iteration_dialog.h"
#include "model/create.h"
#include "parameter_dialog.h"
#include "point_entry_dialog.h"
#include "print_preview_dialog.h"
#include "replay_window.h"
#include "support/builders.h"
#include "ui/fake_host.h"
#include "ui/point_entry.h"

namespace velt {
namespace {

// The size after the window was shown and then dragged 200 x 150 pixels larger.
QSize DraggedLarger(QWidget& w) {
  w.show();
  QApplication::processEvents();
  const QSize shown = w.size();
  EXPECT_GT(shown.width(), 50) << w.objectName().toStdString();
  w.resize(shown + QSize(200, 150));
  QApplication::processEvents();
  return w.size() - shown;
}

TEST(DialogLayout, FixedDialogsKeepTheirSize) {
  test::Bench b;
  Element* p = test::AddPoint(b.doc(), 0, 0);
  ToolContext c{b.ix};
  {
    EditSession session(c, *p);
    TEdit_elem d(b.ws, session);
    EXPECT_EQ(DraggedLarger(d), QSize(0, 0)) << "edit element";
  }
  {
    TVcolpar d(b.ws);
    EXPECT_EQ(DraggedLarger(d), QSize(0, 0)) << "colour scale";
  }
  {
    IterationCountDialog d(3, b.ws.language);
    EXPECT_EQ(DraggedLarger(d), QSize(0, 0)) << "iteration count";
  }
  {
    Element* axes = test::Add(b.doc(), kAxes, {p});
    PointEntrySession session(c, *axes);
    PointEntryDialog d(b.ws, session);
    EXPECT_EQ(DraggedLarger(d), QSize(0, 0)) << "point entry";
  }
  {
    Element* parameter = test::Add(b.doc(), kParameter, {});
    ParameterDialog d(b.ws, *parameter, {});
    EXPECT_EQ(DraggedLarger(d), QSize(0, 0)) << "parameter";
  }
  {
    Options options;
    TOp_aspecto d(b.doc(), options, b.ws.language, {}, {});
    EXPECT_EQ(DraggedLarger(d), QSize(0, 0)) << "appearance";
  }
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    PrintPreviewDialog d(b.ws, printer);
    EXPECT_EQ(DraggedLarger(d), QSize(0, 0)) << "print preview";
  }
}

TEST(DialogLayout, AnimationStripWidensButKeepsItsHeight) {
  test::Bench b;
  AnimationHooks hooks;
  hooks.repaint = [] {};
  hooks.closed = [] {};
  hooks.commandsChanged = [] {};
  hooks.holdTraces = [](bool) {};
  TV_animac a(b.ws, hooks);
  EXPECT_EQ(DraggedLarger(a), QSize(200, 0));
}

TEST(DialogLayout, ReplayWidensKeepsItsHeightAndTabsInReadingOrder) {
  test::Bench b;
  test::AddPoint(b.doc(), 0, 0);
  test::AddPoint(b.doc(), 100, 0);
  ReplayHooks hooks;
  hooks.show = [](const Element*, const Element*) {};
  hooks.ask = [](const std::string&) { return false; };
  hooks.cut = [] {};
  TPaP r(b.ws, hooks);
  EXPECT_EQ(DraggedLarger(r), QSize(200, 0));
  // From the track bar under the step buttons, Tab goes on to the row below it.
  QWidget* order[] = {r.findChild<QPushButton*>("B_Ultimo"), r.findChild<QSlider*>("TB"),
                      r.findChild<QPushButton*>("B_anima"), r.findChild<QWidget*>("CB_vanim"),
                      r.findChild<QPushButton*>("Aceptar")};
  for (size_t i = 1; i < std::size(order); ++i) {
    ASSERT_NE(order[i - 1], nullptr);
    EXPECT_EQ(order[i - 1]->nextInFocusChain(), order[i]) << i;
  }
}

}  // namespace
}  // namespace velt
