// The element editors of the main window: the edit dialog, parametric colours, typed points
// and the text editor.
#include "gui/colour_scale_dialog.h"
#include "gui/edit_element_dialog.h"
#include "gui/main_window.h"
#include "gui/plane_widget.h"
#include "gui/point_entry_dialog.h"
#include "gui/text_editor_dialog.h"

namespace velt {

void MainWindow::RunEditDialog(EditSession& session) {
  TEdit_elem dialog(ws_, session, this);
  dialog.exec();
}

std::optional<int32_t> MainWindow::ChooseColourScale() {
  TVcolpar dialog(ws_, this);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.result();
}

void MainWindow::RunPointEntry(PointEntrySession& session) {
  PointEntryDialog dialog(ws_, session, this);
  dialog.exec();
}

std::optional<EditedText> MainWindow::EditText(const EditedText& initial, Pt at) {
  const Document& d = ws_.doc();
  TVTexto dialog(ws_, initial, d.textFont, d.backgroundColour, this);
  // The editor's corner stands at the click.
  const QPoint pixel(static_cast<int>(at.x - d.viewLeft), static_cast<int>(d.viewTop - at.y));
  dialog.move(plane_ ? plane_->mapToGlobal(pixel) : pixel);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Edited();
}

bool MainWindow::EditElement(Element& e) {
  ix_.OpenEditor(e);
  return true;
}

}  // namespace velt
