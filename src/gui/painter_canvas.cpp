#include "painter_canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "qt_canvas.h"

namespace velt {
namespace {

QString ToQString(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QImage PictureImage(const Picture& picture) {
  QImage img;
  img.loadFromData(reinterpret_cast<const uchar*>(picture.bmp.data()), int(picture.bmp.size()),
                   "BMP");
  return img;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height, double scale)
    : painter_(painter), width_(width), height_(height), scale_(scale > 0 ? scale : 1.0) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  ApplyPen();
  SetBrush(brush_);
}

void PainterCanvas::ApplyPen() {
  if (pen_.style == LineStyle::kNone) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen q(ToQColor(pen_.colour));
  q.setWidthF(std::max(pen_.width, 1));
  q.setCapStyle(pen_.width <= 1 ? Qt::SquareCap : Qt::RoundCap);
  q.setJoinStyle(Qt::RoundJoin);
  if (pen_.style == LineStyle::kDot) q.setStyle(Qt::DotLine);
  if (pen_.style == LineStyle::kDashDot) q.setStyle(Qt::DashDotLine);
  painter_.setPen(q);
}

void PainterCanvas::SetPen(const Pen& pen) {
  pen_ = pen;
  ApplyPen();
}

void PainterCanvas::SetBrush(const Brush& brush) {
  brush_ = brush;
  if (brush_.hollow)
    painter_.setBrush(Qt::NoBrush);
  else
    painter_.setBrush(ToQColor(brush_.colour));
}

void PainterCanvas::Clear(int32_t colour) { FillRect({0, 0, width_, height_}, colour); }

void PainterCanvas::FillRect(const PixelBox& b, int32_t colour) {
  painter_.fillRect(QRectF(b.left, b.top, b.right - b.left, b.bottom - b.top), ToQColor(colour));
}

void PainterCanvas::Line(PixelPoint a, PixelPoint b) {
  if (a == b || pen_.style == LineStyle::kNone) return;
  // Between the pixels' centres; the end pixel comes from SetPixel, as on the screen.
  painter_.drawLine(QPointF(a.x + 0.5, a.y + 0.5), QPointF(b.x + 0.5, b.y + 0.5));
}

void PainterCanvas::SetPixel(PixelPoint p, int32_t colour) {
  painter_.fillRect(QRectF(p.x, p.y, 1, 1), ToQColor(colour));
}

void PainterCanvas::Polyline(std::span<const PixelPoint> points) {
  std::vector<QPointF> q;
  q.reserve(points.size());
  for (PixelPoint p : points) q.emplace_back(p.x + 0.5, p.y + 0.5);
  painter_.drawPolyline(q.data(), int(q.size()));
}

void PainterCanvas::Polygon(std::span<const PixelPoint> points) {
  std::vector<QPointF> q;
  q.reserve(points.size());
  for (PixelPoint p : points) q.emplace_back(p.x + 0.5, p.y + 0.5);
  painter_.drawPolygon(q.data(), int(q.size()));
}

QRectF PainterCanvas::OutlineRect(const PixelBox& b) const {
  // The outline runs along the centres of the box's outer pixels.
  return QRectF(b.left + 0.5, b.top + 0.5, std::max(b.right - b.left - 1, 0),
                std::max(b.bottom - b.top - 1, 0));
}

void PainterCanvas::Rectangle(const PixelBox& b) { painter_.drawRect(OutlineRect(b)); }

void PainterCanvas::Ellipse(const PixelBox& b) { painter_.drawEllipse(OutlineRect(b)); }

void PainterCanvas::ArcOrPie(const PixelBox& b, PixelPoint start, PixelPoint end, bool pie) {
  const QRectF r = OutlineRect(b);
  const double cx = r.center().x(), cy = r.center().y();
  const double a0 = std::atan2(-(start.y + 0.5 - cy), start.x + 0.5 - cx);
  const double a1 = std::atan2(-(end.y + 0.5 - cy), end.x + 0.5 - cx);
  double sweep = a1 - a0;
  if (sweep <= 0) sweep += 2 * std::numbers::pi;
  const double toSixteenths = 180.0 / std::numbers::pi * 16;
  const int s = static_cast<int>(std::lround(a0 * toSixteenths));
  const int w = static_cast<int>(std::lround(sweep * toSixteenths));
  if (pie)
    painter_.drawPie(r, s, w);
  else
    painter_.drawArc(r, s, w);
}

void PainterCanvas::Arc(const PixelBox& box, PixelPoint start, PixelPoint end) {
  ArcOrPie(box, start, end, false);
}

void PainterCanvas::Pie(const PixelBox& box, PixelPoint start, PixelPoint end) {
  ArcOrPie(box, start, end, true);
}

void PainterCanvas::Text(PixelPoint p, std::string_view text, const TextFont& font, int32_t colour,
                         int32_t background) {
  QFont q = ToQFont(font);
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(q.pixelSize() * scale_))));
  painter_.setFont(q);
  const QFontMetricsF m(q, painter_.device());
  const QString s = ToQString(text);
  if (background >= 0)
    painter_.fillRect(QRectF(p.x, p.y, m.horizontalAdvance(s), m.height()), ToQColor(background));
  painter_.setPen(ToQColor(colour));
  painter_.drawText(QPointF(p.x, p.y + m.ascent()), s);
  ApplyPen();
}

TextExtent PainterCanvas::MeasureText(std::string_view text, const TextFont& font) {
  QFont q = ToQFont(font);
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(q.pixelSize() * scale_))));
  const QFontMetricsF m(q, painter_.device());
  return {static_cast<int>(std::ceil(m.horizontalAdvance(ToQString(text)))),
          static_cast<int>(std::ceil(m.height())), static_cast<int>(std::ceil(m.ascent()))};
}

void PainterCanvas::DrawPicture(PixelPoint topLeft, const Picture& picture) {
  const QImage img = PictureImage(picture);
  if (img.isNull()) return;
  const double k = scale_;
  painter_.drawImage(QRectF(topLeft.x, topLeft.y, img.width() * k, img.height() * k), img);
}

void PainterCanvas::StretchPicture(const PixelBox& b, const Picture& picture) {
  const QImage img = PictureImage(picture);
  if (img.isNull()) return;
  painter_.drawImage(QRectF(b.left, b.top, b.right - b.left, b.bottom - b.top), img);
}

void PainterCanvas::Combine(const Canvas& source, int width, int height, CombineMode mode) {
  auto* qt = dynamic_cast<const QtCanvas*>(&source);
  if (!qt) return;
  // Vector devices have no raster operations: the blend modes that match AND and OR on
  // black-and-white traces.
  painter_.save();
  painter_.setCompositionMode(mode == CombineMode::kAnd ? QPainter::CompositionMode_Multiply
                                                        : QPainter::CompositionMode_Screen);
  painter_.drawImage(QRectF(0, 0, width, height), qt->Image(), QRectF(0, 0, width, height));
  painter_.restore();
}

}  // namespace velt
