// The main window's calculator (TV_calc) and parameter dialog (TV_ed_param).
#include <algorithm>

#include "calculator_dialog.h"
#include "main_window.h"
#include "parameter_dialog.h"
#include "plane_widget.h"

namespace velt {

void MainWindow::ShowCalculator(bool show) {
  if (!show) {
    if (calculator_ && calculator_->isVisible()) calculator_->hide();
    Repaint();
    return;
  }
  if (!calculator_) calculator_ = new CalculatorDialog(ws_, ix_, this);
  calculator_->Refresh(true);
  calculator_->show();
  calculator_->raise();
  Repaint();
}

void MainWindow::CalculatorChanged() {
  if (calculator_ && ws_.calculator.open) calculator_->Refresh(false);
  Repaint();
}

void MainWindow::EditParameter(Element& parameter) {
  ParameterDialog::Hooks hooks;
  hooks.storeStep = [this] { ix_.StoreEditStep(); };
  hooks.redraw = [this] { Repaint(); };
  hooks.warn = [this](const std::string& text) { ShowMessage(text, MessageIcon::Warning); };
  hooks.busy = Busy();
  ParameterDialog dialog(ws_, parameter, std::move(hooks), this);
  // At the bottom of the main window, centred on it, never left of its left edge + 8.
  dialog.adjustSize();
  const QRect frame = frameGeometry();
  const int x = std::max(frame.left() + 8, frame.center().x() - dialog.width() / 2);
  dialog.move(x, frame.bottom() - dialog.height());
  // Traces mark while the slider moves the figure.
  if (plane_) plane_->HoldTraces(true);
  dialog.exec();
  if (plane_) plane_->HoldTraces(false);
  CommandsChanged();
  Repaint();
}

}  // namespace velt
