#pragma once
// TEdit_elem, "Editar elemento": the controls of an edit session. Each control acts on the
// session at once; the dialog only lays them out for the element's type.
#include <QDialog>

#include "ui/edit_session.h"
#include "ui/workspace.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace velt {

class TEdit_elem : public QDialog {
  Q_OBJECT
 public:
  TEdit_elem(const Workspace& ws, EditSession& session, QWidget* parent = nullptr);
  // The palette button of a colour, for tests and the layout.
  static const std::array<std::pair<const char*, int32_t>, 16>& Palette();

  void BAceptarClick();
  void BCancelarClick();

 protected:
  void reject() override;  // closing the window is Cancel

 private:
  EditFields Fields() const;
  EditSession& session_;
  QLineEdit* name_ = nullptr;
  QComboBox* decimals_ = nullptr;
  QLineEdit* count_ = nullptr;
  QLineEdit* from_ = nullptr;
  QLineEdit* to_ = nullptr;
  QLineEdit* increment_ = nullptr;
};

}  // namespace velt
