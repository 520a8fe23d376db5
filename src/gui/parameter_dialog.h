#pragma once
// TV_ed_param, "Modificar parámetro": the value and limits of a parameter as constant
// expressions, and a slider over the limits that moves the parameter and redraws the figure
// at once. Closing it after a confirmed change stores one undo step.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "ui/parameter_edit.h"
#include "ui/workspace.h"

class QLineEdit;
class QPushButton;
class QSlider;

namespace velt {

class ParameterDialog : public QDialog {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void()> storeStep;               // the undo step of a confirmed change
    std::function<void()> redraw;                  // the figure changed
    std::function<void(const std::string&)> warn;  // "Datos de entrada no válidos"
    BusyWindow* busy = nullptr;                    // long recomputes: busy cursor, Escape
  };
  ParameterDialog(Workspace& ws, Element& parameter, Hooks hooks, QWidget* parent = nullptr);
  // Whether closing stored an undo step (valid once the dialog is finished).
  bool changed() const { return changed_; }

 protected:
  void done(int r) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<std::optional<std::string>, 3> Edited() const;
  void ShowValues();
  void Confirm();
  QString T(int number) const;

  Workspace& ws_;
  ParameterEdit edit_;
  Hooks hooks_;
  std::array<QLineEdit*, 3> fields_{};
  std::array<bool, 3> dirty_{};
  QSlider* slider_;
  QPushButton* ok_;
  bool confirmed_ = false;
  bool changed_ = false;
  bool updating_ = false;
};

}  // namespace velt
