#pragma once
// A canvas that writes an SVG document with the standard library only.
#include <string>

#include "view/canvas.h"

namespace velt {

class SvgCanvas final : public Canvas {
 public:
  SvgCanvas(int width, int height);

  // The complete SVG document drawn so far.
  std::string Document() const;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetPen(const Pen& pen) override { pen_ = pen; }
  void SetBrush(const Brush& brush) override { brush_ = brush; }
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
  std::string Stroke() const;
  std::string Fill() const;
  void ArcPath(const PixelBox& box, PixelPoint start, PixelPoint end, bool pie);

  int width_, height_;
  Pen pen_;
  Brush brush_;
  std::string body_;
};

}  // namespace velt
