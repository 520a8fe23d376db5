#include "qt_canvas.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace velt {
namespace {

QString ToQString(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::vector<QPoint> ToQPoints(std::span<const PixelPoint> points) {
  std::vector<QPoint> out;
  out.reserve(points.size());
  for (PixelPoint p : points) out.emplace_back(p.x, p.y);
  return out;
}

}  // namespace

QFont ToQFont(const TextFont& f) {
  QFont q(QString::fromStdString(f.face));
  // Sizes are points on a 96-dpi screen, whatever the picture's own resolution.
  // A negative size gives the letters' height, as the platform's fonts do.
  q.setPixelSize(
      std::clamp(static_cast<int>(std::lround(std::abs(f.size) * 96.0 / 72.0)), 1, 2000));
  q.setBold(f.bold);
  q.setItalic(f.italic);
  q.setUnderline(f.underline);
  q.setStrikeOut(f.strikeOut);
  return q;
}

QColor ToQColor(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QtCanvas::QtCanvas(int width, int height)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

QtCanvas::~QtCanvas() = default;

const QImage& QtCanvas::Image() const {
  painter_.reset();
  return image_;
}

QPainter& QtCanvas::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, antialiased_);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    ApplyPen();
    ApplyBrush();
    font_.applied = false;  // a new painter starts with its default font
  }
  return *painter_;
}

void QtCanvas::ApplyPen() {
  if (!painter_) return;
  if (pen_.style == LineStyle::kNone) {
    painter_->setPen(Qt::NoPen);
    return;
  }
  QPen q(ToQColor(pen_.colour));
  // Width 1 is the cosmetic one-pixel pen; wider pens are round like the platform's.
  q.setWidth(pen_.width <= 1 ? 0 : pen_.width);
  q.setCapStyle(pen_.width <= 1 ? Qt::SquareCap : Qt::RoundCap);
  q.setJoinStyle(Qt::RoundJoin);
  if (antialiased_) {
    // The smoothed path's stipples: 0x0F0F (four on, four off) and 0x0FC3 doubled (four on,
    // eight off, twelve on, eight off), in pixels of the one-pixel pen; round ends and joins.
    q.setWidthF(pen_.width);
    q.setCapStyle(Qt::RoundCap);
    if (pen_.style == LineStyle::kDot) q.setDashPattern({4, 4});
    if (pen_.style == LineStyle::kDashDot) q.setDashPattern({4, 8, 12, 8});
    if (pen_.style != LineStyle::kSolid) q.setCapStyle(Qt::FlatCap);
    painter_->setPen(q);
    return;
  }
  if (pen_.style == LineStyle::kDot) q.setStyle(Qt::DotLine);
  if (pen_.style == LineStyle::kDashDot) q.setStyle(Qt::DashDotLine);
  painter_->setPen(q);
}

void QtCanvas::SetAntialiased(bool on) {
  if (on == antialiased_) return;
  antialiased_ = on;
  painter_.reset();  // the next call starts a painter with the new hints
}

void QtCanvas::PlainWhileFilling(bool fillOnly) {
  if (antialiased_) Painter().setRenderHint(QPainter::Antialiasing, !fillOnly);
}

void QtCanvas::SetPen(const Pen& pen) {
  if (painter_ && pen == pen_) return;
  pen_ = pen;
  ApplyPen();
}

void QtCanvas::SetBrush(const Brush& brush) {
  if (painter_ && brush == brush_) return;
  brush_ = brush;
  ApplyBrush();
}

void QtCanvas::ApplyBrush() {
  if (!painter_) return;
  if (brush_.hollow)
    painter_->setBrush(Qt::NoBrush);
  else
    painter_->setBrush(ToQColor(brush_.colour));
}

void QtCanvas::Clear(int32_t colour) {
  painter_.reset();
  image_.fill(ToQColor(colour));
}

void QtCanvas::FillRect(const PixelBox& b, int32_t colour) {
  Painter().fillRect(QRect(b.left, b.top, b.right - b.left, b.bottom - b.top), ToQColor(colour));
}

void QtCanvas::Line(PixelPoint a, PixelPoint b) {
  if (a == b) return;
  QPainter& p = Painter();
  if (antialiased_) {
    // Between pixel centres, as the smoothed path draws at the exact positions.
    PlainWhileFilling(false);
    p.drawLine(QPointF(a.x + 0.5, a.y + 0.5), QPointF(b.x + 0.5, b.y + 0.5));
    return;
  }
  if (pen_.width > 1) {
    p.drawLine(a.x, a.y, b.x, b.y);
    return;
  }
  // The last pixel is left out: stop one step short along the longer axis.
  const int dx = b.x - a.x, dy = b.y - a.y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  const double k = double(steps - 1) / steps;
  const QPoint end(a.x + static_cast<int>(std::lround(dx * k)),
                   a.y + static_cast<int>(std::lround(dy * k)));
  if (steps == 1)
    p.drawPoint(a.x, a.y);
  else
    p.drawLine(QPoint(a.x, a.y), end);
}

void QtCanvas::SetPixel(PixelPoint p, int32_t colour) {
  if (p.x < 0 || p.y < 0 || p.x >= image_.width() || p.y >= image_.height()) return;
  // The raster engine paints straight into the image's memory, so one pixel can be written
  // there without a round of pen changes.
  Painter();
  reinterpret_cast<QRgb*>(image_.scanLine(p.y))[p.x] = ToQColor(colour).rgb();
}

void QtCanvas::Polyline(std::span<const PixelPoint> points) {
  if (antialiased_) {
    std::vector<QPointF> q;
    q.reserve(points.size());
    for (PixelPoint p : points) q.emplace_back(p.x + 0.5, p.y + 0.5);
    PlainWhileFilling(false);
    Painter().drawPolyline(q.data(), int(q.size()));
    return;
  }
  const std::vector<QPoint> q = ToQPoints(points);
  Painter().drawPolyline(q.data(), int(q.size()));
}

void QtCanvas::Polygon(std::span<const PixelPoint> points) {
  const std::vector<QPoint> q = ToQPoints(points);
  PlainWhileFilling(pen_.style == LineStyle::kNone);
  Painter().drawPolygon(q.data(), int(q.size()));
}

QRect QtCanvas::OutlineRect(const PixelBox& b) const {
  // With a pen the outline covers left..right-1; without one the fill stops a pixel
  // earlier still, where the outline would have been.
  const int w = b.right - b.left - 1, h = b.bottom - b.top - 1;
  return QRect(b.left, b.top, std::max(w, 0), std::max(h, 0));
}

void QtCanvas::Rectangle(const PixelBox& b) {
  // A solid box whose outline has the fill's colour is one fill: the same pixels, faster.
  if (!brush_.hollow && pen_.style == LineStyle::kSolid && pen_.width <= 1 &&
      pen_.colour == brush_.colour) {
    Painter().fillRect(QRect(b.left, b.top, b.right - b.left, b.bottom - b.top),
                       ToQColor(brush_.colour));
    return;
  }
  PlainWhileFilling(pen_.style == LineStyle::kNone);
  Painter().drawRect(OutlineRect(b));
}

void QtCanvas::Ellipse(const PixelBox& b) {
  PlainWhileFilling(pen_.style == LineStyle::kNone);
  Painter().drawEllipse(OutlineRect(b));
}

void QtCanvas::ArcOrPie(const PixelBox& b, PixelPoint start, PixelPoint end, bool pie) {
  const QRect r = OutlineRect(b);
  const double cx = (b.left + b.right - 1) / 2.0, cy = (b.top + b.bottom - 1) / 2.0;
  const double a0 = std::atan2(-(start.y - cy), start.x - cx);
  const double a1 = std::atan2(-(end.y - cy), end.x - cx);
  double sweep = a1 - a0;
  if (sweep <= 0) sweep += 2 * std::numbers::pi;
  const double toSixteenths = 180.0 / std::numbers::pi * 16;
  const int s = static_cast<int>(std::lround(a0 * toSixteenths));
  const int w = static_cast<int>(std::lround(sweep * toSixteenths));
  PlainWhileFilling(pie);  // the pie is the angle mark's fill; its arc comes on its own
  if (pie)
    Painter().drawPie(r, s, w);
  else
    Painter().drawArc(r, s, w);
}

void QtCanvas::Arc(const PixelBox& box, PixelPoint start, PixelPoint end) {
  ArcOrPie(box, start, end, false);
}

void QtCanvas::Pie(const PixelBox& box, PixelPoint start, PixelPoint end) {
  ArcOrPie(box, start, end, true);
}

const QtCanvas::FontCache& QtCanvas::UseFont(const TextFont& font) {
  QPainter& painter = Painter();
  if (!font_.valid || !(font_.key == font)) {
    font_.key = font;
    font_.font = ToQFont(font);
    font_.ascent = QFontMetrics(font_.font).ascent();
    font_.valid = true;
    font_.applied = false;
  }
  if (!font_.applied) {
    painter.setFont(font_.font);
    font_.applied = true;
  }
  return font_;
}

void QtCanvas::Text(PixelPoint p, std::string_view text, const TextFont& font, int32_t colour,
                    int32_t background) {
  QPainter& painter = Painter();
  const FontCache& f = UseFont(font);
  const QString s = ToQString(text);
  if (background >= 0) {
    const QFontMetrics m(f.font);
    painter.fillRect(QRect(p.x, p.y, m.horizontalAdvance(s), m.height()), ToQColor(background));
  }
  painter.setPen(ToQColor(colour));
  painter.drawText(QPoint(p.x, p.y + f.ascent), s);
  ApplyPen();
}

TextExtent QtCanvas::MeasureText(std::string_view text, const TextFont& font) {
  return QtTextMeasure().Measure(text, font);
}

TextExtent QtTextMeasure::Measure(std::string_view text, const TextFont& font) const {
  const QFontMetrics m(ToQFont(font));
  return {m.horizontalAdvance(ToQString(text)), m.height(), m.ascent()};
}

void QtCanvas::DrawPicture(PixelPoint topLeft, const Picture& picture) {
  QImage img;
  if (!img.loadFromData(reinterpret_cast<const uchar*>(picture.bmp.data()), int(picture.bmp.size()),
                        "BMP"))
    return;
  Painter().drawImage(QPoint(topLeft.x, topLeft.y), img);
}

void QtCanvas::StretchPicture(const PixelBox& b, const Picture& picture) {
  QImage img;
  if (!img.loadFromData(reinterpret_cast<const uchar*>(picture.bmp.data()), int(picture.bmp.size()),
                        "BMP"))
    return;
  Painter().drawImage(QRect(b.left, b.top, b.right - b.left, b.bottom - b.top), img);
}

void QtCanvas::Combine(const Canvas& source, int width, int height, CombineMode mode) {
  auto* qt = dynamic_cast<const QtCanvas*>(&source);
  if (!qt) return;
  const QImage& src = qt->Image();
  QPainter& p = Painter();
  p.setCompositionMode(mode == CombineMode::kAnd ? QPainter::RasterOp_SourceAndDestination
                                                 : QPainter::RasterOp_SourceOrDestination);
  p.drawImage(QPoint(0, 0), src, QRect(0, 0, width, height));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace velt
