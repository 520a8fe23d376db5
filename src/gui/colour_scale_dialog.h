#pragma once
// TVcolpar, "Color paramétrico": the colour scale a number drives. Hue, grey, saturation at a
// chosen hue, brightness at a chosen hue, each with its preview strip.
#include <QDialog>

#include "ui/workspace.h"

class QRadioButton;
class QScrollBar;
class QLabel;

namespace velt {

class TVcolpar : public QDialog {
  Q_OBJECT
 public:
  explicit TVcolpar(const Workspace& ws, QWidget* parent = nullptr);
  // 1, 2, or the position of the chosen scroll bar (3..101, 103..201).
  int32_t result() const;

 private:
  void Paint(QLabel* strip, int32_t mode);
  QRadioButton* choice_[4] = {};
  QScrollBar* saturation_ = nullptr;
  QScrollBar* brightness_ = nullptr;
  QLabel* strip_[4] = {};
  QLabel* position_[2] = {};
};

}  // namespace velt
