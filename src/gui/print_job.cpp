#include "print_job.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "painter_canvas.h"
#include "view/export_picture.h"
#include "view/redraw.h"

namespace velt {

QSizeF PaperSizeMm(const QPrinter& printer) {
  return printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

QString JobTitle(const Document& doc) {
  if (!doc.fileName.empty()) return QFileInfo(QString::fromStdString(doc.fileName)).fileName();
  return QString::fromStdString(doc.title);
}

bool PrintFigure(Document& doc, QPrinter& printer, const PageFrame& page, int copies,
                 DrawOptions opt) {
  copies = std::clamp(copies, 1, kMaxCopies);
  printer.setDocName(JobTitle(doc));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect dots = printer.pageLayout().paintRectPixels(printer.resolution());
  SavedView saved(doc);
  SetViewToPage(doc, page);
  const double scale = PrintDrawScale(dots.width(), page);
  // The printer draws plainly and is not cleared; shapes grow with its resolution.
  opt.mainPicture = false;
  opt.printerDpi = printer.resolution();
  opt.tracePicture = nullptr;
  for (int i = 0; i < copies; ++i) {
    PainterCanvas canvas(painter, dots.width(), dots.height(), scale);
    painter.save();
    painter.setClipRect(QRect(0, 0, dots.width(), dots.height()));
    DrawDocument(ScreenContext(doc, canvas, opt, scale));
    painter.restore();
    if (i + 1 < copies) printer.newPage();
  }
  painter.end();
  return true;
}

bool PrintPicture(const QImage& picture, QPrinter& printer) {
  if (picture.isNull() || picture.width() <= 0) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect dots = printer.pageLayout().paintRectPixels(printer.resolution());
  const double w = dots.width() * 0.8;
  const double h = w * picture.height() / picture.width();
  painter.drawImage(QRectF(dots.width() * 0.1, dots.width() * 0.1, w, h), picture);
  painter.end();
  return true;
}

}  // namespace velt
