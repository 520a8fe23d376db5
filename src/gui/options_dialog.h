#pragma once
// "Opciones generales": the general options in three tabs, checked field by field on OK.
#include <QDialog>
#include <functional>

#include "ui/options_check.h"
#include "ui/workspace.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class QToolButton;

namespace velt {

class TOp_Gen : public QDialog {
  Q_OBJECT
 public:
  // warn shows a failed check: the field's label as the caption and the message.
  using Warn = std::function<void(const QString& caption, const QString& text)>;
  TOp_Gen(Workspace& ws, int screenExtent, Warn warn, QWidget* parent = nullptr);

  // What OK changed, for the window to follow.
  bool documentChanged() const { return documentChanged_; }
  bool buttonsChanged() const { return buttonsChanged_; }

 private:
  void AceptarClick();
  QLineEdit* Field(OptionsField f) const;
  int Colour(QToolButton* b) const;

  Workspace& ws_;
  int screenExtent_;
  Warn warn_;
  QTabWidget* tabs_ = nullptr;
  QLineEdit *detection_, *plane_, *locus_, *nameDistance_, *decimals_, *pixels_;
  QComboBox *length_, *angle_, *coordinates_;
  QCheckBox *adapt_, *big_, *hideMacro_, *stepLast_;
  QToolButton *background_, *hidden_, *selection_;
  bool documentChanged_ = false, buttonsChanged_ = false;
};

}  // namespace velt
