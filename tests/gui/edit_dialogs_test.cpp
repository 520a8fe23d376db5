// The element edit dialog TEdit_elem, the parametric colour dialog TVcolpar, the point entry
// dialog and the text editor TVTexto on the offscreen platform: their controls act on the
// figure at once and their closing buttons keep or undo it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "colour_scale_dialog.h"
#include "edit_element_dialog.h"
#include "model/element_list.h"
#include "model/snapshot.h"
#include "model/undo.h"
#include "point_entry_dialog.h"
#include "text_editor_dialog.h"
#include "ui/fake_host.h"
#include "ui/script_support.h"

namespace velt {
namespace {

// Points 1, 2, 3; segment 4 (1-2); angle mark 5 (2, 1, 3); distance 6 (1, 2); axes 8 on point
// 7 with their lines 9 and 10.
constexpr const char* kFigure =
    "tool 1\nclick 0 0\nclick 100 0\nclick 0 100\n"
    "tool 9\nclick 0 0\nclick 100 0\n"
    "tool B_Angulo\nclick 100 0\nclick 0 0\nclick 0 100\n"
    "tool B_N_longdist\nclick 0 0\nclick 100 0\n"
    "tool 39\nclick -200 -200\n";

struct Bench {
  test::Scenario s{kFigure};
  test::FakeHost host;
  Interaction ix{s.ws, host};
  ToolContext c{ix};
  Element& E(int n) { return *FindByNumber(s.doc().elements(), n); }
  std::string Figure() { return EncodeFigure(*s.doc().figure); }
};

template <class W = QPushButton>
W* Child(QObject& d, const char* name) {
  W* w = d.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

TEST(EditElementDialog, PaletteStyleAndShowActAtOnceAndCancelRestores) {
  Bench b;
  ASSERT_TRUE(b.s.ok()) << b.s.failure();
  b.s.doc().modified = 0;
  const std::string before = b.Figure();
  EditSession session(b.c, b.E(2));
  TEdit_elem d(b.s.ws, session);
  EXPECT_EQ(d.objectName(), "TEdit_elem");
  EXPECT_EQ(d.findChild<QPushButton*>("Blinor"), nullptr) << "a point has no line styles";
  EXPECT_EQ(d.findChild<QComboBox*>("CB_ndec"), nullptr);
  ASSERT_NE(Child(d, "vernom"), nullptr);
  EXPECT_TRUE(Child(d, "BPunor")->isChecked()) << "the point's own style shows pressed";
  Child(d, "Bnaranja")->click();
  EXPECT_EQ(b.E(2).colour, 0x0080FF);
  Child(d, "BPuncruz")->click();
  EXPECT_EQ(b.E(2).style, 4);
  Child(d, "verelem")->click();
  EXPECT_EQ(b.E(2).visibility, 0);
  Child<QLineEdit>(d, "ed_nom")->setText("B");
  Child(d, "BCancelar")->click();
  EXPECT_EQ(session.state(), EditSession::State::Cancelled);
  EXPECT_EQ(b.Figure(), before);
  EXPECT_EQ(b.s.doc().modified, 0);
}

TEST(EditElementDialog, SegmentAngleNumberAndAxesControls) {
  Bench b;
  const int position = b.s.doc().undo.position;
  {
    EditSession session(b.c, b.E(4));
    TEdit_elem d(b.s.ws, session);
    EXPECT_EQ(d.findChild<QPushButton*>("BPunor"), nullptr);
    Child(d, "Bligran5")->click();
    EXPECT_EQ(b.E(4).style, 5);
    Child(d, "Bazul2")->click();
    EXPECT_EQ(b.E(4).colour, 0xFF0000);
    Child(d, "BAceptar")->click();
    EXPECT_EQ(session.state(), EditSession::State::Accepted);
  }
  EXPECT_EQ(b.s.doc().undo.position, position + 1) << "one step for the whole dialog";
  {
    EditSession session(b.c, b.E(5));
    TEdit_elem d(b.s.ws, session);
    Child(d, "Bang3")->click();
    EXPECT_EQ(b.E(5).style, 3);
    Child(d, "B02pi")->click();
    EXPECT_EQ(b.E(5).attr2, -1111);
    Child(d, "BAceptar")->click();
  }
  {
    EditSession session(b.c, b.E(6));
    TEdit_elem d(b.s.ws, session);
    EXPECT_EQ(d.findChild<QPushButton*>("vernom"), nullptr) << "numbers show no name button";
    Child<QComboBox>(d, "CB_ndec")->setCurrentIndex(5);
    Child(d, "Bgris2")->click();
    Child(d, "BAceptar")->click();
    EXPECT_EQ(b.E(6).decimals, 5);
    EXPECT_EQ(b.E(6).colour, 0x808080);
  }
  {
    EditSession session(b.c, b.E(8));
    TEdit_elem d(b.s.ws, session);
    EXPECT_FALSE(Child(d, "Bejeuni1")->isEnabled()) << "the units are already equal";
    Child(d, "BCancelar")->click();
  }
  ASSERT_TRUE(Undo(b.s.doc()));
  EXPECT_EQ(b.E(6).decimals, 2);
}

TEST(EditElementDialog, AFieldThatDoesNotEvaluateKeepsTheDialogOpen) {
  Bench b;
  // A parameter to edit.
  ElementTemplate t;
  t.kind = kParameter;
  Element* p = MakeElementFromTemplate(b.s.doc(), t, {});
  Renumber(b.s.doc().elements());
  EditSession session(b.c, *p);
  TEdit_elem d(b.s.ws, session);
  Child<QLineEdit>(d, "Ed_parinct")->setText("0.1*");
  Child(d, "BAceptar")->click();
  EXPECT_EQ(session.state(), EditSession::State::Open);
  ASSERT_EQ(b.host.messages.size(), 1u);
  Child<QLineEdit>(d, "Ed_parinct")->setText("-0.25");
  Child(d, "BAceptar")->click();
  EXPECT_EQ(session.state(), EditSession::State::Accepted);
  EXPECT_EQ(session.element()->as<ParameterExt>()->increment, 0.25);
}

TEST(EditElementDialog, DeleteClosesAndTheDeletionStands) {
  Bench b;
  const int count = b.s.Count();
  EditSession session(b.c, b.E(3));
  TEdit_elem d(b.s.ws, session);
  Child(d, "Bborrar")->click();
  EXPECT_EQ(session.state(), EditSession::State::Deleted);
  static_cast<QDialog&>(d).reject();  // closing afterwards restores nothing
  EXPECT_EQ(b.s.Count(), count - 2) << "the point and the angle mark on it";
}

TEST(ColourScaleDialog, ChoicesAndScrollBarsGiveTheScale) {
  test::Scenario s;
  TVcolpar d(s.ws);
  EXPECT_EQ(d.result(), 1);
  Child<QRadioButton>(d, "RB_escala2")->setChecked(true);
  EXPECT_EQ(d.result(), 2);
  Child<QScrollBar>(d, "SB_brillo")->setValue(150);
  EXPECT_TRUE(Child<QRadioButton>(d, "RB_escala4")->isChecked());
  EXPECT_EQ(d.result(), 150);
  Child<QScrollBar>(d, "SB_saturacion")->setValue(40);
  EXPECT_EQ(d.result(), 40);
}

TEST(PointEntryDialog, PairsAreAcceptedOneByOne) {
  Bench b;
  const int count = b.s.Count();
  PointEntrySession session(b.c, b.E(8));
  PointEntryDialog d(b.s.ws, session);
  EXPECT_FALSE(Child<QLabel>(d, "Lab_gr")->isVisibleTo(&d));
  d.fieldX()->setText("2*PI");
  d.fieldY()->setText("1");
  Child(d, "B_rep")->click();
  EXPECT_EQ(d.fieldX()->text(), "");
  d.polar()->setChecked(true);
  EXPECT_TRUE(Child<QLabel>(d, "Lab_gr")->isVisibleTo(&d));
  d.fieldX()->setText("2");
  d.fieldY()->setText("90");
  Child(d, "B_rep")->click();
  d.fieldX()->setText("x");
  d.fieldY()->setText("1");
  Child(d, "B_rep")->click();
  EXPECT_EQ(d.fieldY()->text(), "1") << "an invalid pair keeps its fields";
  EXPECT_EQ(b.host.messages.size(), 1u);
  ASSERT_EQ(b.s.Count(), count + 2);
  const Element& a = *b.s.doc().elements()[b.s.doc().elements().size() - 2];
  EXPECT_NEAR(a.value[2], 6.283185307179586, 1e-12);
  EXPECT_NEAR(a.x(), -200 + 40 * 6.283185307179586, 1e-9);
  const Element& p = *b.s.doc().elements().back();
  EXPECT_NEAR(p.value[3], 2, 1e-12);
  EXPECT_EQ(session.entries(), 2);
}

TEST(TextEditor, GreekInAnEmptyFieldAndABoldMiddleWord) {
  test::Scenario s;
  Font base;
  EditedText empty{base, {}};
  {
    TVTexto d(s.ws, empty, base, 0xFFFFFF);
    d.greek()->click();
    const EditedText e = d.Edited();
    ASSERT_EQ(e.lines.size(), 1u);
    ASSERT_EQ(e.lines[0].size(), 1u);
    EXPECT_EQ(e.lines[0][0].text, " ");
    EXPECT_EQ(e.lines[0][0].font.face, "Symbol");
  }
  EditedText three{base, {{{"uno dos tres", base}}}};
  TVTexto d(s.ws, three, base, 0xFFFFFF);
  // The style buttons show their letters in their own style.
  EXPECT_TRUE(Child<QToolButton>(d, "B_bold")->font().bold());
  EXPECT_TRUE(Child<QToolButton>(d, "B_italic")->font().italic());
  EXPECT_TRUE(Child<QToolButton>(d, "B_under")->font().underline());
  EXPECT_FALSE(Child<QToolButton>(d, "B_font")->font().bold());
  QTextCursor c = d.memo()->textCursor();
  c.setPosition(4);
  c.setPosition(7, QTextCursor::KeepAnchor);
  d.memo()->setTextCursor(c);
  d.SetBold(true);
  TextExt t;
  StoreEditedText(d.Edited(), t);
  EXPECT_EQ(t.lines, std::vector<std::string>{"uno dos tres"});
  ASSERT_EQ(t.runs.size(), 3u);
  EXPECT_EQ(t.runs[0].length, 4);
  EXPECT_EQ(t.runs[1].length, 3);
  EXPECT_EQ(t.runs[1].font.bold, 1);
  EXPECT_EQ(t.runs[2].font.bold, 0);
  EXPECT_EQ(t.runs[0].font.face, base.face);
}

TEST(TextEditor, AStoredTextLoadsWithItsGreekAndComesBackTheSame) {
  test::Scenario s("answer x{ab}|Z\ntool 54\nclick 0 0\n");
  const TextExt& stored = *s.E(1).as<TextExt>();
  TVTexto d(s.ws, EditedTextOf(stored), s.doc().textFont, 0);
  EXPECT_EQ(d.memo()->toPlainText(), QString::fromUtf8("xαβ\nZ"));
  TextExt again;
  StoreEditedText(d.Edited(), again);
  EXPECT_EQ(again.lines, stored.lines);
  ASSERT_EQ(again.runs.size(), stored.runs.size());
  for (size_t i = 0; i < again.runs.size(); ++i) {
    EXPECT_EQ(again.runs[i].length, stored.runs[i].length) << i;
    EXPECT_EQ(again.runs[i].font.face, stored.runs[i].font.face) << i;
  }
}

}  // namespace
}  // namespace velt
