#pragma once
// The drawing canvas on a QImage, painted with QPainter. Plain, without antialiasing, pixels
// land where the drawing routines put them; anti-aliased (documents with the "AA" flag),
// outlines and points are smoothed and blended while fills and texts stay plain.
#include <QImage>
#include <QPainter>
#include <memory>

#include "view/canvas.h"
#include "view/text_measure.h"

namespace velt {

class QtCanvas final : public Canvas {
 public:
  QtCanvas(int width, int height);
  ~QtCanvas() override;

  // Smoothed outlines from the next drawing call on.
  void SetAntialiased(bool on);
  bool Antialiased() const { return antialiased_; }

  // The picture; ends painting until the next drawing call.
  const QImage& Image() const;

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  const Pen& CurrentPen() const override { return pen_; }
  void Clear(int32_t colour) override;
  void FillRect(const PixelBox& box, int32_t colour) override;
  void Line(PixelPoint a, PixelPoint b) override;
  void SetPixel(PixelPoint p, int32_t colour) override;
  void Polyline(std::span<const PixelPoint> points) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void Rectangle(const PixelBox& box) override;
  void Ellipse(const PixelBox& box) override;
  void Arc(const PixelBox& box, PixelPoint start, PixelPoint end) override;
  void Pie(const PixelBox& box, PixelPoint start, PixelPoint end) override;
  void Text(PixelPoint p, std::string_view text, const TextFont& font, int32_t colour,
            int32_t background) override;
  TextExtent MeasureText(std::string_view text, const TextFont& font) override;
  void DrawPicture(PixelPoint topLeft, const Picture& picture) override;
  void StretchPicture(const PixelBox& box, const Picture& picture) override;
  void Combine(const Canvas& source, int width, int height, CombineMode mode) override;

 private:
  QPainter& Painter();
  void ApplyPen();
  void ApplyBrush();
  QRect OutlineRect(const PixelBox& box) const;
  void ArcOrPie(const PixelBox& box, PixelPoint start, PixelPoint end, bool pie);

  // The Qt font of the last text with its metrics, kept while the next texts use the same
  // font (labels of one figure mostly do); `applied` while the painter has it.
  struct FontCache {
    TextFont key;
    QFont font;
    int ascent = 0;
    bool valid = false;
    bool applied = false;
  };
  const FontCache& UseFont(const TextFont& font);

  mutable QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
  // Fills without an outline stay plain even when the canvas is anti-aliased.
  void PlainWhileFilling(bool fillOnly);
  mutable FontCache font_;
  Pen pen_;
  Brush brush_;
  bool antialiased_ = false;
};

// Text extents by the window's font metrics, the same that drawing on a QtCanvas uses.
class QtTextMeasure final : public TextMeasure {
 public:
  TextExtent Measure(std::string_view text, const TextFont& font) const override;
};

// A text font to a Qt font of the same pixel size on a 96-dpi picture.
QFont ToQFont(const TextFont& font);

// 0x00BBGGRR to a Qt colour.
QColor ToQColor(int32_t colour);

}  // namespace velt
