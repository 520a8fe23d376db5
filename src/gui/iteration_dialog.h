#pragma once
// TV_iterac, the iteration dialog: the sets of the iteration being assembled and the buttons
// that choose what tool 59 does next; TV_iterac_ni, the number of iterations.
#include <QDialog>

#include "ui/iteration_session.h"
#include "ui/language.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace velt {

class IterationDialog : public QDialog {
  Q_OBJECT
 public:
  IterationDialog(const IterationDialogState& state, const LanguageTable& language,
                  QWidget* parent = nullptr);
  // The button pressed, with the list line selected then; Cancel when closed otherwise.
  IterationDialogAnswer answer() const { return answer_; }

 private:
  void Finish(IterationAction action);
  void UpdateEnabling();

  IterationDialogState state_;
  IterationDialogAnswer answer_;
  QListWidget* list_;
  QPushButton *choose_, *addDestination_, *remove_, *count_, *iterate_, *cancel_;
};

class IterationCountDialog : public QDialog {
  Q_OBJECT
 public:
  IterationCountDialog(int32_t count, const LanguageTable& language, QWidget* parent = nullptr);
  QString text() const;

 private:
  void Step(int by);
  QLineEdit* edit_;
};

// Puts a dialog at the bottom of the window, centred but at least 8 pixels from its left edge.
void PlaceAtBottom(QDialog& dialog, const QWidget& window);

}  // namespace velt
