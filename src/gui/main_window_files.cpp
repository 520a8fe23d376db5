// Opening and saving documents, and the move-screen dialog.
#include <QFileDialog>
#include <QFileInfo>

#include "export_commands.h"
#include "io/document_file.h"
#include "main_window.h"
#include "move_screen_dialog.h"
#include "recovery_session.h"
#include "ui/strings_files.h"
#include "ui/strings_window.h"

namespace velt {

bool MainWindow::OpenFile(const QString& path) {
  const std::filesystem::path file = path.toStdString();
  const FileHeader header = CheckFile(file);
  if (header.kind == FileKind::Newer) {
    ShowMessage(ws_.Text(str::kNewerVersion), MessageIcon::Error);
    return false;
  }
  if (header.kind == FileKind::Macro) {
    ShowMessage(ws_.Text(str::kNotADocument), MessageIcon::Error);
    return false;
  }
  if (header.kind == FileKind::Invalid) {
    ShowMessage(ws_.Text(str::kNotAValidFile), MessageIcon::Error);
    return false;
  }
  const std::string absolute = QFileInfo(path).absoluteFilePath().toStdString();
  if (Document* open = ws_.documents.FindByPath(absolute)) {
    SwitchToIndex(ws_.documents.indexOf(open));
    return true;
  }
  if (!ws_.documents.placeholder() && ws_.documents.count() >= kMaxDocuments) {
    ShowMessage(ws_.Text(str::kTooManyDocuments), MessageIcon::Error);
    return false;
  }
  DocumentLoad load = LoadDocumentFile(file, ws_.options);
  if (!load.document) {
    ShowMessage(ws_.Text(str::kNotAValidFile), MessageIcon::Error);
    return false;
  }
  load.document->fileName = absolute;
  load.document->title = QFileInfo(path).completeBaseName().toStdString();
  load.document->modified = 0;
  if (ws_.documents.count() > 0) ix_.BeforeDocumentChange();
  ws_.documents.Adopt(std::move(load.document), ws_.options);
  AfterDocumentChange();
  AddRecent(absolute);
  if (load.referencesCut > 0)
    ShowMessage(ws_.Text(str::kCyclicReferencesCut), MessageIcon::Warning);
  return true;
}

bool MainWindow::SaveCommand(Document& d, bool askPath) {
  QString path = QString::fromStdString(d.fileName);
  if (askPath || path.isEmpty()) {
    path = QFileDialog::getSaveFileName(this, T(str::kSaveAs), path, T(str::kFileFilter));
    if (path.isEmpty()) return false;
    if (!path.endsWith(".vlt", Qt::CaseInsensitive)) path += ".vlt";
  }
  if (!SaveDocumentFile(d, path.toStdString())) {
    ShowMessage(ws_.Text(str::kWriteError), MessageIcon::Warning);
    return askPath ? false : SaveCommand(d, true);
  }
  d.fileName = QFileInfo(path).absoluteFilePath().toStdString();
  d.title = QFileInfo(path).completeBaseName().toStdString();
  AddRecent(d.fileName);
  if (recovery_) recovery_->Forget(&d);  // saved: nothing left to recover
  RefreshDocumentLists();
  return true;
}

std::optional<Picture> MainWindow::ChoosePicture() {
  const QString path = QFileDialog::getOpenFileName(this, T(str::kOpen).remove('&'), QString(),
                                                    "BMP (*.bmp);;PNG JPEG (*.png *.jpg *.jpeg)");
  if (path.isEmpty()) return std::nullopt;
  return ReadPictureFile(*this, path);
}

void MainWindow::OpenCommand() {
  const QString path =
      QFileDialog::getOpenFileName(this, T(str::kOpen).remove('&'), QString(), T(str::kFileFilter));
  if (!path.isEmpty()) OpenFile(path);
}

void MainWindow::MoveScreenDialog() {
  TMuePan dialog(
      ws_, [this] { Repaint(); }, this);
  dialog.exec();
  SyncScrollBars();
  Repaint();
}

}  // namespace velt
