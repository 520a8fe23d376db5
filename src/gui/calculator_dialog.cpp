#include "calculator_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/strings_numbers.h"
#include "view/element_text.h"

namespace velt {

QString CalculatorDialog::T(int number) const { return QString::fromStdString(ws_.Text(number)); }

QPushButton* CalculatorDialog::Button(const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setAutoDefault(false);
  b->setFocusPolicy(Qt::NoFocus);  // the caret stays in the expression
  return b;
}

CalculatorDialog::CalculatorDialog(Workspace& ws, Interaction& ix, QWidget* parent)
    : QDialog(parent), ws_(ws), ix_(ix) {
  setObjectName("TV_calc");
  setWindowTitle(T(str::kCalculatorCaption));
  setModal(false);
  expr_ = new QLineEdit(this);
  expr_->setObjectName("Ed_expr");
  result_ = new QLineEdit(this);
  result_->setObjectName("Ed_result");
  result_->setReadOnly(true);
  letters_ = new QLabel(this);
  letters_->setObjectName("Lab_var");
  letters_->setWordWrap(true);

  struct Key {
    const char* name;
    CalcButton button;
    int caption;         // language-table number, 0 for a symbol
    const char* symbol;  // the caption of a symbol button
  };
  const Key keys[] = {
      {"B_sen", CalcButton::Sin, str::kButtonSin, ""},
      {"B_cos", CalcButton::Cos, str::kButtonCos, ""},
      {"B_tan", CalcButton::Tan, str::kButtonTan, ""},
      {"B_log", CalcButton::Log, str::kButtonLog, ""},
      {"B_ln", CalcButton::Ln, str::kButtonLn, ""},
      {"B_sqr", CalcButton::Sqr, str::kButtonSqr, ""},
      {"B_abs", CalcButton::Abs, str::kButtonAbs, ""},
      {"B_int", CalcButton::Int, str::kButtonInt, ""},
      {"B_pi", CalcButton::Pi, str::kButtonPi, ""},
      {"B_pot", CalcButton::Power, 0, "^"},
      {"B_div", CalcButton::Divide, 0, "/"},
      {"B_mul", CalcButton::Times, 0, "×"},  // not the variable x
      {"B_mas", CalcButton::Plus, 0, "+"},
      {"B_menos", CalcButton::Minus, 0, "-"},
      {"B_p_izq", CalcButton::LeftParen, 0, "("},
      {"B_p_der", CalcButton::RightParen, 0, ")"},
  };
  auto* grid = new QGridLayout;
  int at = 0;
  for (const Key& k : keys) {
    QPushButton* b = Button(k.name, k.caption ? T(k.caption) : QString(k.symbol));
    const CalcButton which = k.button;
    connect(b, &QPushButton::clicked, this, [this, which] { Insert(which); });
    grid->addWidget(b, at / 6, at % 6);
    ++at;
  }
  variable_ = Button("B_vi", QString());
  connect(variable_, &QPushButton::clicked, this, [this] { Insert(CalcButton::Variable); });
  grid->addWidget(variable_, at / 6, at % 6);
  ++at;
  arc_ = Button("B_arc", T(str::kButtonArc));
  arc_->setCheckable(true);
  grid->addWidget(arc_, at / 6, at % 6);
  ++at;
  QPushButton* clear = Button("B_C", T(str::kButtonClear));
  connect(clear, &QPushButton::clicked, this, [this] {
    expr_->clear();
    result_->clear();
    ws_.calculator.expression.clear();
    ws_.calculator.result.clear();
    expr_->setFocus();
  });
  grid->addWidget(clear, at / 6, at % 6);
  ++at;
  QPushButton* off = Button("B_apaga", T(str::kButtonOff));
  connect(off, &QPushButton::clicked, this, [this] { reject(); });
  grid->addWidget(off, at / 6, at % 6);
  ++at;
  QPushButton* exe = Button("B_exe", T(str::kButtonExecute));
  connect(exe, &QPushButton::clicked, this, [this] { Execute(); });
  grid->addWidget(exe, at / 6, at % 6);
  ++at;
  type_ = new QToolButton(this);
  type_->setObjectName("B_tipfun");
  type_->setPopupMode(QToolButton::InstantPopup);
  type_->setFocusPolicy(Qt::NoFocus);
  auto* menu = new QMenu(type_);
  for (int t = 1; t <= 4; ++t) {
    QAction* a = menu->addAction(T(str::FunctionTypeName(t)));
    a->setObjectName(QString("M_tipfun%1").arg(t));
    connect(a, &QAction::triggered, this, [this, t] {
      ix_.SetFunctionType(t);
      Refresh(false);
    });
  }
  type_->setMenu(menu);
  grid->addWidget(type_, at / 6, at % 6);

  connect(expr_, &QLineEdit::returnPressed, this, [this] { Execute(); });
  auto* all = new QVBoxLayout(this);
  all->addWidget(expr_);
  all->addWidget(result_);
  all->addLayout(grid);
  all->addWidget(letters_);
  Refresh(true);
}

void CalculatorDialog::Insert(CalcButton b) {
  const std::string text = expr_->text().toStdString();
  // The caret counts characters; the texts the buttons write are ASCII.
  const QString before = expr_->text().left(expr_->cursorPosition());
  const CaretText out =
      InsertAtCaret(text, static_cast<size_t>(before.toUtf8().size()),
                    ButtonText(b, arc_->isChecked(), ws_.calculator.functionType));
  expr_->setText(QString::fromStdString(out.text));
  expr_->setCursorPosition(static_cast<int>(
      QString::fromUtf8(out.text.data(), static_cast<qsizetype>(out.caret)).size()));
  if (b == CalcButton::Sin || b == CalcButton::Cos || b == CalcButton::Tan) arc_->setChecked(false);
  expr_->setFocus();
}

void CalculatorDialog::Execute() {
  ix_.ExecuteCalculator(expr_->text().toStdString());
  Refresh(false);
  // A new element clears the expression; an error leaves it to be corrected.
  if (ws_.calculator.open && ws_.calculator.expression.empty()) expr_->clear();
}

void CalculatorDialog::Refresh(bool loadText) {
  const CalculatorSession& s = ws_.calculator;
  if (loadText) expr_->setText(QString::fromStdString(s.expression));
  result_->setText(QString::fromStdString(s.result));
  const bool function = s.purpose == CalculatorPurpose::Function;
  type_->setVisible(function);
  type_->setText(T(str::FunctionTypeName(function ? s.functionType : 0)));
  variable_->setText(QString::fromStdString(std::string(VariableLetter(s.functionType))).toLower());
  // A plain calculation has no free variable: no blank button stands in its place.
  variable_->setVisible(function);
  QString letters;
  for (size_t i = 0; i < s.variables.size(); ++i) {
    const Element* v = s.variables[i];
    std::string name = v ? ShortNameOf(*v) : std::string();
    if (v && name.empty()) name = ElementCaption(*v, ws_.language);
    if (!letters.isEmpty()) letters += ", ";
    letters += QString::fromStdString(VariableName(s, i) + " = " + name);
  }
  letters_->setText(letters.isEmpty() ? QString() : T(str::kCalculatorLetters) + ": " + letters);
}

void CalculatorDialog::reject() {
  QDialog::reject();
  if (ws_.calculator.open) ix_.SelectTool(Tool::Sel);
}

}  // namespace velt
