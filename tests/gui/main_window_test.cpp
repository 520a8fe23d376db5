// The main window on the offscreen platform: tools, clicks on the plane, undo, documents.
#include "main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "model/create.h"
#include "plane_widget.h"

namespace velt {
namespace {

struct Window {
  MainWindow w;
  Window() {
    w.resize(900, 700);
    w.show();
    QApplication::processEvents();
  }
  QAction* Action(const char* name) { return w.findChild<QAction*>(name); }
  Document& doc() { return w.workspace().doc(); }
  void Click(QPoint at) {
    QTest::mouseMove(w.plane(), at);
    QTest::mouseClick(w.plane(), Qt::LeftButton, Qt::NoModifier, at);
  }
};

TEST(MainWindow, StartsWithItsControls) {
  Window t;
  for (const char* name : {"B_Punto", "B_Segmento", "B_Punto_Inter", "B_undo", "B_redo",
                           "B_hvector_1", "B_color", "B_doc_nuevo", "Sel"})
    EXPECT_NE(t.w.findChild<QToolButton*>(name), nullptr) << name;
  EXPECT_NE(t.w.findChild<QTabBar*>("TC_doc"), nullptr);
  EXPECT_NE(t.w.findChild<QComboBox*>("CB_doc"), nullptr);
  EXPECT_NE(t.w.findChild<QScrollBar*>("SB_h"), nullptr);
  EXPECT_NE(t.w.findChild<QScrollBar*>("SB_v"), nullptr);
  EXPECT_NE(t.Action("M_undo"), nullptr);
  EXPECT_FALSE(t.Action("M_undo")->isEnabled());
  EXPECT_EQ(t.w.findChild<QTabBar*>("TC_doc")->tabText(0), "Documento 1");
  // Every tool works: the iteration tool too.
  EXPECT_TRUE(t.Action("M_iteracion")->isEnabled());
  EXPECT_TRUE(t.Action("M_rep_pun")->isEnabled());
  EXPECT_TRUE(t.Action("M_Segmento")->isEnabled());
}

TEST(MainWindow, SegmentByClicksIsInDocumentAndPictureAndCtrlZRemovesIt) {
  Window t;
  t.Action("M_Segmento")->trigger();
  EXPECT_EQ(t.w.interaction().tool(), Tool::B_Segmento);
  t.Click({100, 100});
  t.Click({300, 200});
  ASSERT_EQ(t.doc().elements().size(), 3u);
  const Element& s = *t.doc().elements().back();
  EXPECT_EQ(s.kind, kSegment);
  // The end points are where the clicks were, in plane coordinates.
  EXPECT_DOUBLE_EQ(s.parent[1]->x() - s.parent[0]->x(), 200);
  EXPECT_DOUBLE_EQ(s.parent[1]->y() - s.parent[0]->y(), -100);
  // Move the pointer away so that nothing is highlighted, then look at the picture: the
  // segment's colour at its middle, the background away from it.
  QTest::mouseMove(t.w.plane(), QPoint(600, 500));
  t.w.plane()->Redraw();
  const QImage& img = t.w.plane()->picture();
  const QColor segment(s.colour & 0xFF, (s.colour >> 8) & 0xFF, (s.colour >> 16) & 0xFF);
  bool found = false;
  for (int dy = -1; dy <= 1; ++dy) found = found || img.pixelColor(200, 150 + dy) == segment;
  EXPECT_TRUE(found);
  EXPECT_NE(img.pixelColor(200, 120), segment);
  EXPECT_TRUE(t.Action("M_undo")->isEnabled());

  t.w.activateWindow();
  QTest::keyClick(&t.w, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(t.doc().elements().empty());
  EXPECT_TRUE(t.Action("M_redo")->isEnabled());
}

TEST(MainWindow, NewDocumentAddsTabAndClosingModifiedAsks) {
  Window t;
  t.Action("Nuevo1")->trigger();
  auto* tabs = t.w.findChild<QTabBar*>("TC_doc");
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(1), "Documento 2");
  EXPECT_EQ(tabs->currentIndex(), 1);
  // A change, then close: the question is asked, Cancel keeps the document.
  t.Action("M_Punto")->trigger();
  t.Click({50, 50});
  int asked = 0;
  QString caption;
  t.w.SetMessageHook([&](const QString& c, const QString&, QMessageBox::StandardButtons) {
    ++asked;
    caption = c;
    return QMessageBox::Cancel;
  });
  t.Action("M_cerrardoc")->trigger();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(caption, "Cerrar - Documento 2");
  EXPECT_EQ(tabs->count(), 2);
  // No closes it without saving; the first document (unchanged) closes without a question.
  t.w.SetMessageHook([&](const QString&, const QString&, QMessageBox::StandardButtons) {
    ++asked;
    return QMessageBox::No;
  });
  t.Action("M_cerrardoc")->trigger();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(tabs->count(), 1);
  EXPECT_EQ(tabs->tabText(0), "Documento 1");
  t.Action("M_cerrardoc")->trigger();
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(t.w.workspace().documents.placeholder());
}

TEST(MainWindow, TabsSwitchDocumentsAndKeepEachFigure) {
  Window t;
  t.Action("M_Punto")->trigger();
  t.Click({50, 50});
  t.Action("Nuevo1")->trigger();
  EXPECT_TRUE(t.doc().elements().empty());
  t.w.findChild<QTabBar*>("TC_doc")->setCurrentIndex(0);
  EXPECT_EQ(t.doc().elements().size(), 1u);
  EXPECT_EQ(t.w.findChild<QComboBox*>("CB_doc")->currentIndex(), 0);
  t.Action("M_doc_ant")->trigger();  // wraps to the last
  EXPECT_EQ(t.w.workspace().documents.indexOf(&t.doc()), 1);
  t.w.SetMessageHook(
      [](const QString&, const QString&, QMessageBox::StandardButtons) { return QMessageBox::No; });
}

}  // namespace
}  // namespace velt

#include <QTemporaryDir>

#include "io/document_file.h"

namespace velt {
namespace {

TEST(MainWindowFiles, OpeningAFileAddsATabTitledByItsName) {
  QTemporaryDir dir;
  const QString path = dir.filePath("triangulo.vlt");
  {
    Document d;
    ElementTemplate t;
    t.kind = kFreePoint;
    t.value = {10, 20, 0, 0};
    MakeElementFromTemplate(d, t, {});
    ASSERT_TRUE(SaveDocumentFile(d, path.toStdString()));
  }
  Window t;
  ASSERT_TRUE(t.w.OpenFile(path));
  auto* tabs = t.w.findChild<QTabBar*>("TC_doc");
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(1), "triangulo");
  ASSERT_EQ(t.doc().elements().size(), 1u);
  EXPECT_DOUBLE_EQ(t.doc().elements()[0]->y(), 20);
  // Opening it again switches to it instead of opening a copy.
  t.Action("M_doc_pri")->trigger();
  ASSERT_TRUE(t.w.OpenFile(path));
  EXPECT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->currentIndex(), 1);
  // A file that is not a document is refused with a message, and nothing changes.
  const QString junk = dir.filePath("junk.vlt");
  QFile f(junk);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a figure");
  f.close();
  QString said;
  t.w.SetMessageHook([&](const QString&, const QString& text, QMessageBox::StandardButtons) {
    said = text;
    return QMessageBox::Ok;
  });
  EXPECT_FALSE(t.w.OpenFile(junk));
  EXPECT_EQ(said, "no es un archivo válido");
  EXPECT_EQ(tabs->count(), 2);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(MainWindowFiles, StartingWithAFileOpensOnlyThatDocument) {
  QTemporaryDir dir;
  const QString path = dir.filePath("cuadro.vlt");
  {
    Document d;
    ASSERT_TRUE(SaveDocumentFile(d, path.toStdString()));
  }
  MainWindow w(path);
  auto* tabs = w.findChild<QTabBar*>("TC_doc");
  ASSERT_EQ(tabs->count(), 1);
  EXPECT_EQ(tabs->tabText(0), "cuadro");
  w.findChild<QAction*>("Nuevo1")->trigger();
  EXPECT_EQ(tabs->tabText(1), "Documento 1");
}

}  // namespace
}  // namespace velt
