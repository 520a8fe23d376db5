#pragma once
// A canvas on any QPainter device that is not a picture of pixels: a PDF writer or a
// printer. Coordinates are the device's own units; drawing is plain (no smoothing), as on
// the printer of the platform.
#include <QPainter>

#include "view/canvas.h"

namespace velt {

class PainterCanvas final : public Canvas {
 public:
  // The painter must be active; width and height are the drawn area in device units, and
  // scale the device units per pixel of the screen (fonts and pictures grow by it).
  PainterCanvas(QPainter& painter, int width, int height, double scale = 1.0);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
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
  void ApplyPen();
  QRectF OutlineRect(const PixelBox& box) const;
  void ArcOrPie(const PixelBox& box, PixelPoint start, PixelPoint end, bool pie);

  QPainter& painter_;
  int width_, height_;
  double scale_;
  Pen pen_;
  Brush brush_;
};

}  // namespace velt
