// TEdit_elem's unit button, iteration options, button inversion and redefinition buttons on
// the offscreen platform: each acts on the figure at once and Cancel puts it back.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "anim/iteration_setup.h"
#include "edit_element_dialog.h"
#include "geometry/recompute.h"
#include "model/element_list.h"
#include "model/snapshot.h"
#include "support/builders.h"
#include "ui/action_buttons.h"
#include "ui/fake_host.h"

namespace velt {
namespace {

struct Bench : test::Bench {
  ToolContext c{ix};
  Element* E(int32_t n) { return FindByNumber(doc().elements(), n); }
  std::string Figure() { return EncodeFigure(*doc().figure); }
  int32_t Number(Element* e) {
    Renumber(doc().elements());
    return e->number;
  }
};

template <class W = QPushButton>
W* Child(QObject& d, const char* name) {
  W* w = d.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

TEST(EditElementDialogControls, UnitButtonTogglesOrOffersTheUnitKinds) {
  Bench b;
  Element* p = test::AddPoint(b.doc(), 0, 0);
  Element* q = test::AddPoint(b.doc(), 80, 0);
  const int32_t distance = b.Number(test::Add(b.doc(), kDistancePointPoint, {p, q}));
  const int32_t parameter = b.Number(test::Add(b.doc(), kParameter, {}));
  RecomputeAll(b.doc());
  const std::string before = b.Figure();
  {
    EditSession session(b.c, *b.E(distance));
    TEdit_elem d(b.ws, session);
    QPushButton* unit = Child(d, "Buni");
    ASSERT_NE(unit, nullptr);
    EXPECT_TRUE(unit->isChecked()) << "the unit is shown";
    unit->click();
    EXPECT_EQ(b.E(distance)->attr3, 0);
    Child(d, "BCancelar")->click();
  }
  EXPECT_EQ(b.Figure(), before);
  {
    EditSession session(b.c, *b.E(parameter));
    TEdit_elem d(b.ws, session);
    EXPECT_NE(Child(d, "Buni")->menu(), nullptr);
    QAction* area = Child<QAction>(d, "Buni2");
    ASSERT_NE(area, nullptr);
    area->trigger();
    EXPECT_EQ(b.E(parameter)->attr3, 2);
    Child(d, "BAceptar")->click();
  }
  EXPECT_EQ(b.E(parameter)->attr3, 2);
  // A point has no unit button.
  EditSession session(b.c, *b.E(1));
  TEdit_elem d(b.ws, session);
  EXPECT_EQ(d.findChild<QPushButton*>("Buni"), nullptr);
}

TEST(EditElementDialogControls, IterationOptionsAndSteps) {
  Bench b;
  Document& doc = b.doc();
  Element* o = test::AddPoint(doc, 0, 0);
  Element* angle = test::Add(doc, kParameter, {});
  angle->value[0] = 0.3;
  Element* a = test::AddPoint(doc, 100, 0);
  Element* c = test::AddPoint(doc, 200, 50);
  test::Add(doc, kSegment, {a, c});
  Element* a2 = test::Add(doc, kPointRotation, {a, o, angle});
  Element* c2 = test::Add(doc, kPointRotation, {c, o, angle});
  IterationSetup setup;
  setup.sets = {{a, c}, {a2, c2}};
  setup.fixedCount = 2;
  ElementTemplate t = IterationTemplate(doc, setup);
  Element* it = MakeElementFromTemplate(doc, t, {});
  FillIteration(*it, setup);
  RecomputeAll(doc);
  const int32_t n = b.Number(it);
  const std::string before = b.Figure();
  {
    EditSession session(b.c, *b.E(n));
    TEdit_elem d(b.ws, session);
    Child(d, "Bitf")->click();
    Child(d, "Bitp")->click();
    EXPECT_EQ(IterationOptions(*b.E(n)), kIterOnlyLast | kIterDrawPoints);
    Child(d, "Bitc")->click();
    Child(d, "Bitp")->click();
    EXPECT_EQ(IterationOptions(*b.E(n)), kIterOnlyLast | kIterOwnColour);
    Child(d, "Bitcu")->click();
    EXPECT_EQ(b.E(n)->attr2, kIterColourFlag);
    EXPECT_EQ(Child<QLineEdit>(d, "Ed_npLG")->text(), "2");
    Child(d, "BCancelar")->click();
  }
  EXPECT_EQ(b.Figure(), before);
  const int position = doc.undo.position;
  {
    EditSession session(b.c, *b.E(n));
    TEdit_elem d(b.ws, session);
    Child(d, "Bitcu")->click();
    Child<QLineEdit>(d, "Ed_npLG")->setText("4");
    Child(d, "BAceptar")->click();
  }
  EXPECT_EQ(IterationCount(*b.E(n)), 4);
  EXPECT_EQ(b.E(n)->attr2, kIterColourFlag);
  EXPECT_EQ(doc.undo.position, position + 1);
}

TEST(EditElementDialogControls, InversionIsBoldAndRedefinitionClosesAsCancel) {
  Bench b;
  Element* p = test::AddPoint(b.doc(), 0, 0);
  Element* q = test::AddPoint(b.doc(), 50, 0);
  const int32_t button = b.Number(test::AddWithPicks(b.doc(), kButtonShowHide, {p, q}));
  ApplyButton(b.doc(), *b.E(button), 1);
  RecomputeAll(b.doc());
  const std::string before = b.Figure();
  const auto states = b.E(button)->as<ButtonExt>()->states;
  {
    EditSession session(b.c, *b.E(button));
    TEdit_elem d(b.ws, session);
    QPushButton* inv = Child(d, "Binvom");
    ASSERT_NE(inv, nullptr);
    EXPECT_FALSE(inv->font().bold());
    inv->click();
    EXPECT_TRUE(inv->font().bold());
    EXPECT_NE(b.E(button)->as<ButtonExt>()->states, states);
    EXPECT_NE(d.findChild<QPushButton*>("Bmodbvnv"), nullptr);
    EXPECT_EQ(d.findChild<QPushButton*>("Bmodpr"), nullptr);
    Child(d, "BCancelar")->click();
  }
  EXPECT_EQ(b.Figure(), before);
  EditSession session(b.c, *b.E(1));
  TEdit_elem d(b.ws, session);
  EXPECT_EQ(d.findChild<QPushButton*>("Binvom"), nullptr);
  Child(d, "Bnegro")->click();
  Child(d, "Bmodpr")->click();
  EXPECT_EQ(session.state(), EditSession::State::Cancelled);
  EXPECT_EQ(session.request(), EditRequest::RedefinePoint);
  EXPECT_EQ(b.Figure(), before);
}

}  // namespace
}  // namespace velt
