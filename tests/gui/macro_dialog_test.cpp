// The macro dialog TMacCon on the offscreen platform: its controls, what its buttons do to the
// document's macro table and which tool the window takes after it.
#include "macro_dialog.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/fake_host.h"
#include "ui/script_support.h"

namespace velt {
namespace {

// A document with points A, B, C, the circumcentre and the macro "circ" recorded from it,
// and a second macro "copy" of the same.
constexpr const char* kRecord =
    "tool 1\nclick 0 0\nclick 100 0\nclick 0 100\n"
    "tool B_Mediatriz\nclick 0 0\nclick 100 0\n"
    "tool B_Mediatriz\nclick 100 0\nclick 0 100\n"
    "tool B_Punto_Inter\nclick 50 -100\nclick -100 -100\n"
    "tool B_mac_ini\nclick 0 0\nclick 100 0\nclick 0 100\n"
    "tool B_mac_fin\nclick 50 50\nmacro-complete circ\n"
    "tool B_mac_ini\nclick 0 0\nclick 100 0\nclick 0 100\n"
    "tool B_mac_fin\nclick 50 50\nmacro-complete copy\n";

struct Dialog {
  test::Scenario s{kRecord};
  test::FakeHost host;
  Interaction ix{s.ws, host};
  MacroDialog d{s.ws, ix, host};
  QPushButton* Button(const char* name) { return d.findChild<QPushButton*>(name); }
  QListWidget* List() { return d.findChild<QListWidget*>("ListBox1"); }
};

TEST(MacroDialog, ShowsTheMacrosAndEnablesWhatASelectionAllows) {
  Dialog t;
  ASSERT_TRUE(t.s.ok()) << t.s.failure();
  EXPECT_EQ(t.d.objectName(), "TMacCon");
  ASSERT_NE(t.List(), nullptr);
  ASSERT_EQ(t.List()->count(), 2);
  EXPECT_EQ(t.List()->item(0)->text(), "circ");
  for (const char* name : {"B_eini", "B_efin", "B_comp", "B_activar", "B_no", "B_guarmac",
                           "B_carmac", "B_nombre", "B_eliminar", "B_ayuda"})
    ASSERT_NE(t.Button(name), nullptr) << name;
  // Tab walks the button column from top to bottom: the closing OK comes last.
  EXPECT_EQ(t.Button("B_activar")->nextInFocusChain(), t.Button("B_guarmac"));
  EXPECT_EQ(t.Button("B_ayuda")->nextInFocusChain(), t.Button("B_no"));
  EXPECT_TRUE(t.Button("B_eini")->isEnabled()) << "the document holds several elements";
  EXPECT_FALSE(t.Button("B_efin")->isEnabled()) << "no initials chosen";
  EXPECT_FALSE(t.Button("B_comp")->isEnabled());
  t.List()->setCurrentRow(-1);
  EXPECT_FALSE(t.Button("B_eliminar")->isEnabled());
  t.List()->setCurrentRow(1);
  EXPECT_TRUE(t.Button("B_eliminar")->isEnabled());
  EXPECT_TRUE(t.Button("B_guarmac")->isEnabled());
}

TEST(MacroDialog, TheDescriptionIsKeptAndDeletingMovesTheRestUp) {
  Dialog t;
  t.List()->setCurrentRow(0);
  t.d.findChild<QPlainTextEdit*>("Memo1")->setPlainText("centre of the circle\nthrough three");
  t.List()->setCurrentRow(1);  // leaving the memo stores it into "circ"
  EXPECT_EQ(t.s.doc().macros[0].header.description,
            (std::vector<std::string>{"centre of the circle", "through three"}));
  t.List()->setCurrentRow(0);
  QTest::mouseClick(t.Button("B_eliminar"), Qt::LeftButton);
  ASSERT_EQ(t.s.doc().macros.size(), 1u);
  EXPECT_EQ(t.s.doc().macros[0].header.name, "copy");
  EXPECT_EQ(t.List()->count(), 1);
}

TEST(MacroDialog, OkChoosesTheSelectedMacroForApplying) {
  Dialog t;
  t.List()->setCurrentRow(1);
  QTest::mouseClick(t.Button("B_activar"), Qt::LeftButton);
  EXPECT_EQ(t.d.result(), QDialog::Accepted);
  EXPECT_EQ(t.d.next(), MacroDialog::Next::Apply);
  EXPECT_EQ(t.d.chosenMacro(), 1);
  Dialog u;
  QTest::mouseClick(u.Button("B_eini"), Qt::LeftButton);
  EXPECT_EQ(u.d.next(), MacroDialog::Next::ChooseInitials);
}

}  // namespace
}  // namespace velt
