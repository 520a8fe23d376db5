#pragma once
// TV_calc, the calculator of tools 42 (calculations), 43 (parameters) and 44 (functions). It
// shows the workspace's calculator: the expression, the result and the numbers picked in the
// drawing with their letters; its buttons write at the caret, and the execute button hands
// the text to the interaction, which makes or redefines the element.
#include <QDialog>

#include "ui/interaction.h"
#include "ui/workspace.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace velt {

class CalculatorDialog : public QDialog {
  Q_OBJECT
 public:
  CalculatorDialog(Workspace& ws, Interaction& ix, QWidget* parent = nullptr);
  // Shows the calculator's state again; `loadText` also puts its expression in the box (on
  // opening, or when an element is loaded for editing).
  void Refresh(bool loadText);

 protected:
  void reject() override;  // Escape or the close box: the move tool is chosen again

 private:
  QPushButton* Button(const char* name, const QString& caption);
  void Insert(CalcButton b);
  void Execute();
  QString T(int number) const;

  Workspace& ws_;
  Interaction& ix_;
  QLineEdit* expr_;
  QLineEdit* result_;
  QLabel* letters_;
  QPushButton* variable_;
  QPushButton* arc_;
  QToolButton* type_;
};

}  // namespace velt
