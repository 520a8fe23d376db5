// Opening and saving documents, and the move-screen dialog.
#include <QFileDialog>

#include "main_window.h"
#include "move_screen_dialog.h"
#include "ui/strings_window.h"

namespace velt {

// The document files arrive with the file format; until then opening and saving say so.
bool TForm1::OpenFile(const QString& path) {
  (void)path;
  ShowMessage(ws_.Text(str::kNotAvailable), MessageIcon::Warning);
  return false;
}

void TForm1::OpenCommand() {
  const QString path =
      QFileDialog::getOpenFileName(this, T(str::kOpen).remove('&'), QString(), T(str::kFileFilter));
  if (!path.isEmpty()) OpenFile(path);
}

bool TForm1::SaveCommand(Document& d, bool askPath) {
  (void)d;
  (void)askPath;
  ShowMessage(ws_.Text(str::kNotAvailable), MessageIcon::Warning);
  return false;
}

void TForm1::MoveScreenDialog() {
  TMuePan dialog(
      ws_, [this] { Repaint(); }, this);
  dialog.exec();
  SyncScrollBars();
  Repaint();
}

}  // namespace velt
