// The calculator TV_calc and the parameter dialog TV_ed_param on the offscreen platform: the
// buttons write at the caret, the limit and the two messages, numbers picked in the drawing
// become letters, and the slider moves what is built on a parameter with one undo step.
#include "calculator_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "geometry/recompute.h"
#include "main_window.h"
#include "model/kinds.h"
#include "model/undo.h"
#include "parameter_dialog.h"
#include "ui/fake_host.h"
#include "ui/script_support.h"

namespace velt {
namespace {

struct Calc {
  test::Scenario s;
  test::FakeHost host;
  Interaction ix{s.ws, host};
  CalculatorDialog* d = nullptr;

  explicit Calc(const char* script, Tool tool = Tool::B_N_calcular) : s(script) {
    ix.SelectTool(tool);
    d = new CalculatorDialog(s.ws, ix);
  }
  ~Calc() { delete d; }
  QPushButton* B(const char* name) { return d->findChild<QPushButton*>(name); }
  QLineEdit* Expr() { return d->findChild<QLineEdit*>("Ed_expr"); }
  QLineEdit* Result() { return d->findChild<QLineEdit*>("Ed_result"); }
  void Click(const char* name) { QTest::mouseClick(B(name), Qt::LeftButton); }
  void Pick(double x, double y) {
    const Document& doc = s.doc();
    const double px = x - doc.viewLeft, py = doc.viewTop - y;
    ix.MouseMove(px, py, {}, false);
    ix.MouseDown(MouseButton::Left, px, py, {});
    ix.MouseUp(MouseButton::Left, px, py, {});
  }
};

TEST(CalculatorDialog, ButtonsWriteAtTheCaret) {
  Calc c("");
  EXPECT_EQ(c.d->objectName(), "TV_calc");
  for (const char* name : {"B_sen", "B_cos", "B_tan", "B_log",   "B_ln", "B_pot",   "B_sqr",
                           "B_div", "B_mul", "B_mas", "B_menos", "B_pi", "B_p_der", "B_p_izq",
                           "B_abs", "B_int", "B_vi",  "B_arc",   "B_C",  "B_apaga", "B_exe"})
    ASSERT_NE(c.B(name), nullptr) << name;
  EXPECT_FALSE(c.B("B_vi")->isVisibleTo(c.d)) << "a calculation has no variable button";
  c.Expr()->setText("2+3");
  c.Expr()->setCursorPosition(1);
  c.Click("B_sqr");
  EXPECT_EQ(c.Expr()->text(), "2sqr(+3");
  EXPECT_EQ(c.Expr()->cursorPosition(), 5);
  c.Click("B_mul");
  EXPECT_EQ(c.Expr()->text(), "2sqr(*+3");
  c.Click("B_arc");
  EXPECT_TRUE(c.B("B_arc")->isChecked());
  c.Click("B_cos");
  EXPECT_EQ(c.Expr()->text(), "2sqr(*acos(+3");
  EXPECT_FALSE(c.B("B_arc")->isChecked());  // arc is released after one use
  c.Click("B_cos");
  EXPECT_EQ(c.Expr()->text(), "2sqr(*acos(cos(+3");
  c.Click("B_C");
  EXPECT_EQ(c.Expr()->text(), "");
}

TEST(CalculatorDialog, LimitMessagesAndTheResult) {
  Calc c("");
  c.Expr()->setText(QString(101, '1'));
  c.Click("B_exe");
  ASSERT_EQ(c.host.messages.size(), 1u);
  EXPECT_EQ(c.host.messages[0], "La expresión está limitada a 100 caracteres");
  EXPECT_EQ(c.s.doc().elements().size(), 0u);
  c.Expr()->setText("2*(3+4");
  c.Click("B_exe");  // a missing parenthesis is supplied: 14
  EXPECT_EQ(c.host.messages.size(), 1u);
  EXPECT_EQ(c.Result()->text(), "14.0000");
  ASSERT_EQ(c.s.doc().elements().size(), 1u);
  EXPECT_EQ(c.s.doc().elements()[0]->kind, kCalculation);
  EXPECT_EQ(c.Expr()->text(), "");  // ready for the next one
  c.Result()->setText("stale");
  c.Expr()->setText("2(3)");
  c.Click("B_exe");
  ASSERT_EQ(c.host.messages.size(), 2u);
  EXPECT_EQ(c.host.messages[1], "la expresión no es válida");
  EXPECT_EQ(c.Result()->text(), "");
  EXPECT_EQ(c.Expr()->text(), "2(3)");  // left to be corrected
}

TEST(CalculatorDialog, PickedNumbersBecomeLettersAndFunctionsShowTheirVariable) {
  // Two distances: 3 cm labelled at (120, 0) and 1 cm at (40, 100).
  Calc c(
      "tool B_Punto\nclick 0 0\nclick 120 0\ntool B_N_longdist\nclick 0 0\nclick 120 0\n"
      "tool B_Punto\nclick 0 100\nclick 40 100\ntool B_N_longdist\nclick 0 100\nclick 40 100\n",
      Tool::B_N_funcion);
  c.Pick(50, 92);
  c.Pick(130, -8);
  c.d->Refresh(false);
  const QString letters = c.d->findChild<QLabel*>("Lab_var")->text();
  EXPECT_TRUE(letters.contains("A = ")) << letters.toStdString();
  EXPECT_TRUE(letters.contains("B = ")) << letters.toStdString();
  EXPECT_EQ(c.B("B_vi")->text(), "x");
  EXPECT_TRUE(c.B("B_vi")->isVisibleTo(c.d));
  c.ix.SetFunctionType(4);
  c.d->Refresh(false);
  EXPECT_EQ(c.B("B_vi")->text(), "r");
  c.Expr()->setText("A*");
  c.Expr()->setCursorPosition(2);
  c.Click("B_vi");
  c.Click("B_menos");
  c.Expr()->setText(c.Expr()->text() + "B");
  c.Click("B_exe");
  EXPECT_EQ(c.Result()->text(), "f(R)=A*R-B");
  const Element& f = *c.s.doc().elements().back();
  ASSERT_EQ(f.kind, kFunction);
  EXPECT_EQ(f.attr2, 4);
  ASSERT_EQ(f.as<ExpressionExt>()->variables.size(), 2u);
  EXPECT_NEAR(f.as<ExpressionExt>()->variables[0]->value[0], 1, 1e-12);
}

TEST(ParameterDialog, SliderMovesTheFigureAndClosingStoresOneStep) {
  test::Scenario s(
      "tool B_N_parametro\nexpression 2\ntool B_N_calcular\nclick -375 265\nexpression A*A\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  Element& p = *s.doc().elements()[0];
  const Element& square = *s.doc().elements()[1];
  int steps = 0, redraws = 0;
  std::vector<std::string> warnings;
  auto hooks = [&] {
    ParameterDialog::Hooks h;
    h.storeStep = [&] {
      ++steps;
      StoreUndoStep(s.doc(), {});
    };
    h.redraw = [&] { ++redraws; };
    h.warn = [&](const std::string& w) { warnings.push_back(w); };
    return h;
  };
  {
    ParameterDialog d(s.ws, p, hooks());
    EXPECT_EQ(d.objectName(), "TV_ed_param");
    auto* slider = d.findChild<QSlider*>("TB");
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->value(), 500);  // 2 in [-8, 12]
    EXPECT_EQ(d.findChild<QLineEdit*>("Ed_a")->text(), "-8.00");
    slider->setValue(1000);
    EXPECT_EQ(p.value[0], 12);
    EXPECT_EQ(square.value[0], 144);
    EXPECT_EQ(d.findChild<QLineEdit*>("Ed_p")->text(), "12.00");
    EXPECT_GT(redraws, 0);
    d.reject();  // Escape: back to 2, no step
    EXPECT_EQ(p.value[0], 2);
    EXPECT_EQ(square.value[0], 4);
    EXPECT_EQ(steps, 0);
  }
  {
    ParameterDialog d(s.ws, p, hooks());
    auto* b = d.findChild<QLineEdit*>("Ed_b");
    QTest::keyClicks(b, "x");  // typed: the field is now "12.00x"
    QTest::mouseClick(d.findChild<QPushButton*>("Bot_ok"), Qt::LeftButton);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "Datos de entrada no válidos");
    EXPECT_EQ(p.as<ParameterExt>()->maximum, 12);
    b->clear();
    QTest::keyClicks(b, "2*pi");
    auto* v = d.findChild<QLineEdit*>("Ed_p");
    v->clear();
    QTest::keyClicks(v, "3");
    QTest::mouseClick(d.findChild<QPushButton*>("Bot_ok"), Qt::LeftButton);
    EXPECT_TRUE(d.changed());
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(p.value[0], 3);
    EXPECT_EQ(square.value[0], 9);
  }
  Undo(s.doc(), {});
  RecomputeAll(s.doc());
  EXPECT_EQ(s.doc().elements()[0]->value[0], 2);
}

TEST(CalculatorDialog, TheWindowShowsItForItsToolsAndClosesItWithTheTool) {
  MainWindow w;
  w.resize(900, 700);
  w.show();
  QApplication::processEvents();
  w.interaction().SelectTool(Tool::B_N_parametro);
  ASSERT_NE(w.calculator(), nullptr);
  EXPECT_TRUE(w.calculator()->isVisible());
  EXPECT_EQ(w.calculator()->objectName(), "TV_calc");
  auto* expr = w.calculator()->findChild<QLineEdit*>("Ed_expr");
  expr->setText("3*2");
  QTest::mouseClick(w.calculator()->findChild<QPushButton*>("B_exe"), Qt::LeftButton);
  ASSERT_EQ(w.workspace().doc().elements().size(), 1u);
  EXPECT_EQ(w.workspace().doc().elements()[0]->kind, kParameter);
  EXPECT_EQ(w.workspace().doc().elements()[0]->value[0], 6);
  // Another tool closes it; "Apagar" goes back to the move tool.
  w.interaction().SelectTool(Tool::B_Punto);
  EXPECT_FALSE(w.calculator()->isVisible());
  w.interaction().SelectTool(Tool::B_N_calcular);
  EXPECT_TRUE(w.calculator()->isVisible());
  QTest::mouseClick(w.calculator()->findChild<QPushButton*>("B_apaga"), Qt::LeftButton);
  EXPECT_FALSE(w.calculator()->isVisible());
  EXPECT_EQ(w.interaction().tool(), Tool::Sel);
}

}  // namespace
}  // namespace velt
