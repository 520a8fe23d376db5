// Window commands: the internal clipboard between two documents, and recovery copies
// offered back after a crash.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "io/safe_file.h"
#include "main_window.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

QAction* Action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

TEST(WindowClipboard, CopyInOneDocumentPasteInAnother) {
  MainWindow w;
  Document& first = w.workspace().doc();
  Element* a = AddPoint(first, 0, 0);
  Element* b = AddPoint(first, 80, 0);
  Add(first, kSegment, {a, b})->selected = 1;
  Action(w, "M_copiar")->trigger();
  EXPECT_EQ(w.workspace().documents.count(), 1);
  Action(w, "Nuevo1")->trigger();
  Document& second = w.workspace().doc();
  ASSERT_NE(&second, &first);
  Action(w, "M_pegar")->trigger();
  ASSERT_EQ(second.elements().size(), 3u);
  EXPECT_EQ(second.elements()[2]->kind, kSegment);
  EXPECT_TRUE(second.elements()[2]->selected);
  // One undo step takes the paste back.
  Action(w, "M_undo")->trigger();
  EXPECT_TRUE(w.workspace().doc().elements().empty());
  // Cut removes what it copied from the first document.
  Action(w, "M_doc_pri")->trigger();
  ASSERT_EQ(&w.workspace().doc(), &first);
  first.elements()[0]->selected = 1;
  Action(w, "M_cortar")->trigger();
  // The point goes with the segment built on it; the other end point stays.
  ASSERT_EQ(first.elements().size(), 1u);
  EXPECT_EQ(first.elements()[0].get(), b);
  EXPECT_FALSE(w.clipboard().empty());
}

TEST(Recovery, ACrashedRunsChangesAreOfferedBackAndACleanExitLeavesNothing) {
  QTemporaryDir root;
  const auto folder = PathFromUtf8(root.path().toStdString());
  {
    MainWindow crashed;
    crashed.EnableRecovery(folder);
    Document& d = crashed.workspace().doc();
    AddPoint(d, 12, 34);
    d.modified = 1;
    d.fileName = "/somewhere/mine.vlt";
    crashed.AutosaveNow();
    // The window goes without closing: the copies stay, as after a crash.
  }
  MainWindow next;
  std::vector<QString> asked;
  next.SetMessageHook([&](const QString& caption, const QString&, QMessageBox::StandardButtons) {
    asked.push_back(caption);
    return QMessageBox::Yes;
  });
  next.OfferRecovery(folder);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_TRUE(asked[0].contains("Documento 1"));
  Document& restored = next.workspace().doc();
  ASSERT_EQ(restored.elements().size(), 1u);
  EXPECT_DOUBLE_EQ(restored.elements()[0]->x(), 12);
  EXPECT_EQ(restored.fileName, "/somewhere/mine.vlt");
  EXPECT_TRUE(restored.modified);
  // Offered once: a second start finds nothing.
  next.OfferRecovery(folder);
  EXPECT_EQ(asked.size(), 1u);

  // A running window's copies are not another run's leftovers; its clean exit clears them.
  next.EnableRecovery(folder);
  next.AutosaveNow();
  MainWindow other;
  other.SetMessageHook([&](const QString& c, const QString&, QMessageBox::StandardButtons) {
    asked.push_back(c);
    return QMessageBox::No;
  });
  other.OfferRecovery(folder);
  EXPECT_EQ(asked.size(), 1u);
  next.SetMessageHook([](const QString&, const QString&, QMessageBox::StandardButtons) {
    return QMessageBox::No;  // do not save
  });
  next.close();
  EXPECT_TRUE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

}  // namespace
}  // namespace velt
