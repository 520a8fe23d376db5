// The iteration dialogs TV_iterac and TV_iterac_ni on the offscreen platform: the enabling the
// core computes, the list line sent back with the button, and the count as typed.
#include "iteration_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "ui/language.h"

namespace velt {
namespace {

IterationDialogState TwoSets() {
  IterationDialogState s;
  s.lines = {"Elementos iniciales: 1 2", "Elementos destino 1: 3 4"};
  s.selected = 1;
  s.canAddDestination = true;
  s.canRemove = true;
  s.canChooseCount = true;
  s.canIterate = false;
  return s;
}

TEST(IterationDialog, EnablesAsToldAndAnswersWithTheLine) {
  IterationDialog d(TwoSets(), BuiltInLanguage());
  auto button = [&](const char* name) { return d.findChild<QPushButton*>(name); };
  auto* list = d.findChild<QListWidget*>("ListBox1");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_FALSE(button("B_iterar")->isEnabled());
  EXPECT_TRUE(button("B_selec")->isEnabled());
  EXPECT_EQ(button("B_ndest")->text().toStdString(), "Añadir elementos destino");
  list->setCurrentRow(0);
  QTest::mouseClick(button("B_elim"), Qt::LeftButton);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.answer().action, IterationAction::Remove);
  EXPECT_EQ(d.answer().line, 0);
}

TEST(IterationDialog, NoLineNoChoiceAndCancelAnswersCancel) {
  IterationDialogState s = TwoSets();
  s.selected = -1;
  s.canIterate = true;
  IterationDialog d(s, BuiltInLanguage());
  EXPECT_FALSE(d.findChild<QPushButton*>("B_selec")->isEnabled());
  EXPECT_TRUE(d.findChild<QPushButton*>("B_iterar")->isEnabled());
  QTest::mouseClick(d.findChild<QPushButton*>("B_Cancel"), Qt::LeftButton);
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_EQ(d.answer().action, IterationAction::Cancel);
}

TEST(IterationDialog, CountStepsNeverBelowOne) {
  IterationCountDialog d(2, BuiltInLanguage());
  auto* edit = d.findChild<QLineEdit*>("Edit1");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "2");
  auto buttons = d.findChildren<QToolButton*>();
  ASSERT_EQ(buttons.size(), 2);
  QTest::mouseClick(buttons[1], Qt::LeftButton);  // down
  QTest::mouseClick(buttons[1], Qt::LeftButton);
  EXPECT_EQ(d.text(), "1");
  QTest::mouseClick(buttons[0], Qt::LeftButton);  // up
  EXPECT_EQ(d.text(), "2");
  edit->setText("tres");
  EXPECT_EQ(d.text(), "tres");  // the core decides what a text means
}

}  // namespace
}  // namespace velt
