#include "export_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QPrinter>
#include <QPrinterInfo>

#include "main_window.h"
#include "picture_export.h"
#include "plane_widget.h"
#include "print_job.h"
#include "print_preview_dialog.h"
#include "ui/insert_picture.h"
#include "ui/strings_export.h"
#include "ui/strings_files.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

QString T(MainWindow& w, int number) { return QString::fromStdString(w.workspace().Text(number)); }

DrawOptions PictureOptions(MainWindow& w) {
  DrawOptions opt;
  opt.showHidden = w.workspace().showHidden;
  return opt;
}

PixelBox CurrentBox(MainWindow& w) {
  const PlaneWidget* plane = w.plane();
  return PictureBox(w.workspace().doc(), plane->lastSelection(), plane->width(), plane->height());
}

QImage CurrentPicture(MainWindow& w) {
  return ViewPicture(w.workspace().doc(), CurrentBox(w), PictureOptions(w));
}

// A printer is there to print on: the default one, or nothing and the message.
bool HavePrinter(MainWindow& w) {
  if (!QPrinterInfo::defaultPrinter().isNull()) return true;
  w.ShowMessage(w.workspace().Text(str::kNoDefaultPrinter), MessageIcon::Error);
  return false;
}

}  // namespace

SaveResult ExportPicture(MainWindow& w, const QString& path) {
  const PictureFormat format = PictureFormatOf(path.toStdString());
  const std::string bytes =
      PictureBytes(w.workspace().doc(), format, CurrentBox(w), PictureOptions(w));
  if (bytes.empty()) return SaveResult::kFailed;
  return SavePictureFile(path.toStdString(), bytes);
}

void ExportDrawingCommand(MainWindow& w) {
  const Document& d = w.workspace().doc();
  const QString base = d.fileName.empty()
                           ? QString::fromStdString(d.title)
                           : QFileInfo(QString::fromStdString(d.fileName)).completeBaseName();
  QString path = QFileDialog::getSaveFileName(&w, T(w, str::kExportDrawing).remove('&'),
                                              base + ".bmp", T(w, str::kPictureFilter));
  if (path.isEmpty()) return;
  if (PictureFormatOf(path.toStdString()) == PictureFormat::kUnknown) path += ".bmp";
  switch (ExportPicture(w, path)) {
    case SaveResult::kSaved: break;
    case SaveResult::kReadOnly:
      w.ShowMessage(w.workspace().Text(str::kPictureReadOnly), MessageIcon::Warning);
      break;
    case SaveResult::kFailed:
      w.ShowMessage(w.workspace().Text(str::kPictureNotWritten), MessageIcon::Warning);
      break;
  }
}

void CopyPictureCommand(MainWindow& w) { QApplication::clipboard()->setImage(CurrentPicture(w)); }

void PrintCommand(MainWindow& w) {
  w.interaction().SelectTool(Tool::Sel);
  if (!HavePrinter(w)) return;
  QPrinter printer(QPrinter::HighResolution);
  {
    PrintPreviewDialog dialog(w.workspace(), printer, &w);
    dialog.exec();
  }
  w.Repaint();
}

void PrintBitmapCommand(MainWindow& w) {
  if (w.Ask("VELT", T(w, str::kPrintBitmapQuestion),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
            QMessageBox::Warning) != QMessageBox::Yes)
    return;
  if (!HavePrinter(w)) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(JobTitle(w.workspace().doc()));
  PrintPicture(CurrentPicture(w), printer);
}

void PastePictureCommand(MainWindow& w) {
  w.interaction().SelectTool(Tool::Sel);
  const QImage image = QApplication::clipboard()->image();
  if (image.isNull()) {
    w.ShowMessage(w.workspace().Text(str::kNoClipboardPicture), MessageIcon::Warning);
    return;
  }
  if (CheckPictureSize(image.width(), image.height()) != PictureCheck::kOk) {
    w.ShowMessage(w.workspace().Text(str::kPictureTooLarge), MessageIcon::Warning);
    return;
  }
  CreationSettings settings;
  settings.options = &w.workspace().options;
  if (!PastePicture(w.workspace().doc(), Picture{BmpBytes(image)}, settings)) {
    w.ShowMessage(w.workspace().Text(str::kNoClipboardPicture), MessageIcon::Warning);
    return;
  }
  w.CommandsChanged();
  w.Repaint();
}

std::optional<Picture> ReadPictureFile(MainWindow& w, const QString& path) {
  QImageReader reader(path);
  // The size is known from the header: a huge picture is refused before it is decoded.
  const QSize size = reader.size();
  if (size.isValid() && CheckPictureSize(size.width(), size.height()) == PictureCheck::kTooLarge) {
    w.ShowMessage(w.workspace().Text(str::kPictureTooLarge), MessageIcon::Warning);
    return std::nullopt;
  }
  const QImage image = reader.read();
  if (image.isNull() || CheckPictureSize(image.width(), image.height()) != PictureCheck::kOk) {
    w.ShowMessage(w.workspace().Text(str::kNotAValidFile), MessageIcon::Warning);
    return std::nullopt;
  }
  return Picture{BmpBytes(image)};
}

}  // namespace velt
