#pragma once
// "Representar puntos": typed coordinates, rectangular or polar, accepted pair by pair into a
// point entry session; the dialog stays open for the next pair.
#include <QDialog>

#include "ui/point_entry.h"
#include "ui/workspace.h"

class QLineEdit;
class QRadioButton;
class QLabel;

namespace velt {

class PointEntryDialog : public QDialog {
  Q_OBJECT
 public:
  PointEntryDialog(const Workspace& ws, PointEntrySession& session, QWidget* parent = nullptr);
  // B_rep: accepts the pair in the fields.
  void AcceptPair();
  QLineEdit* fieldX() const { return cx_; }
  QLineEdit* fieldY() const { return cy_; }
  QRadioButton* polar() const { return polar_; }

 private:
  PointEntrySession& session_;
  QLineEdit* cx_;
  QLineEdit* cy_;
  QRadioButton* rectangular_;
  QRadioButton* polar_;
  QLabel* degrees_;
};

}  // namespace velt
