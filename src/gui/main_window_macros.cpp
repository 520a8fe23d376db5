// The macro dialog from the window: what the user chose in it becomes the window's tool.
#include "macro_dialog.h"
#include "main_window.h"
#include "ui/macro_commands.h"

namespace velt {

void MainWindow::OpenMacroDialog() {
  MacroDialog dialog(ws_, ix_, *this, this);
  dialog.exec();
  switch (dialog.next()) {
    case MacroDialog::Next::Nothing: ix_.SelectTool(Tool::Sel); break;
    case MacroDialog::Next::ChooseInitials: ix_.SelectTool(Tool::B_mac_ini); break;
    case MacroDialog::Next::ChooseFinals: ix_.SelectTool(Tool::B_mac_fin); break;
    case MacroDialog::Next::Apply:
      if (!ChooseMacro(ix_, ws_, *this, dialog.chosenMacro())) ix_.SelectTool(Tool::Sel);
      break;
  }
  CommandsChanged();
  Repaint();
}

}  // namespace velt
