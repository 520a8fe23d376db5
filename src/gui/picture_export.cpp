#include "picture_export.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPdfWriter>

#include "painter_canvas.h"
#include "qt_canvas.h"
#include "view/svg_canvas.h"
#include "view/tikz_canvas.h"

namespace velt {
namespace {

std::string Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) return {};
  return bytes.toStdString();
}

// One page of the box's size at 96 dots per inch, so a pixel of the view is 0.75 pt.
std::string PdfBytes(Document& doc, const PixelBox& box, const DrawOptions& opt) {
  const int w = std::max(box.right - box.left, 1), h = std::max(box.bottom - box.top, 1);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setCreator("VELT");
    pdf.setResolution(96);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(
        QPageSize(QSizeF(w * 0.75, h * 0.75), QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter painter;
    if (!painter.begin(&pdf)) return {};
    PainterCanvas canvas(painter, w, h);
    DrawViewPart(doc, canvas, box, opt);
    painter.end();
  }
  return bytes.toStdString();
}

}  // namespace

QImage ViewPicture(Document& doc, const PixelBox& box, const DrawOptions& opt) {
  QtCanvas canvas(box.right - box.left, box.bottom - box.top);
  canvas.SetAntialiased(doc.antiAliased != 0);
  DrawViewPart(doc, canvas, box, opt);
  return canvas.Image().copy();
}

std::string BmpBytes(const QImage& image) {
  return Encode(image.convertToFormat(QImage::Format_RGB888), "bmp");
}

std::string PictureBytes(Document& doc, PictureFormat format, const PixelBox& box,
                         const DrawOptions& opt) {
  const int w = box.right - box.left, h = box.bottom - box.top;
  switch (format) {
    case PictureFormat::kBmp: return BmpBytes(ViewPicture(doc, box, opt));
    case PictureFormat::kPng: return Encode(ViewPicture(doc, box, opt), "png");
    case PictureFormat::kSvg: {
      SvgCanvas canvas(w, h);
      DrawViewPart(doc, canvas, box, opt);
      return canvas.Document();
    }
    case PictureFormat::kTikz: {
      TikzCanvas canvas(w, h);
      DrawViewPart(doc, canvas, box, opt);
      return canvas.Document();
    }
    case PictureFormat::kPdf: return PdfBytes(doc, box, opt);
    case PictureFormat::kUnknown: break;
  }
  return {};
}

}  // namespace velt
