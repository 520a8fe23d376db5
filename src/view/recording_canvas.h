#pragma once
// A canvas that remembers every drawing call, with the pen and brush in force, for tests.
#include <vector>

#include "view/canvas.h"

namespace velt {

enum class DrawOp : uint8_t {
  kClear,
  kFillRect,
  kLine,
  kSetPixel,
  kPolyline,
  kPolygon,
  kRectangle,
  kEllipse,
  kArc,
  kPie,
  kText,
  kPicture,
  kStretchPicture,
  kCombine,
};

struct DrawCall {
  DrawOp op = DrawOp::kClear;
  Pen pen;
  Brush brush;
  std::vector<PixelPoint> points;  // line ends, polygon corners, arc start and end
  PixelBox box;
  int32_t colour = 0;  // clear, fill, pixel and text colour
  int32_t background = -1;
  std::string text;
  TextFont font;
  CombineMode mode = CombineMode::kAnd;
};

class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(int width = 1024, int height = 768) : width_(width), height_(height) {}

  const std::vector<DrawCall>& Calls() const { return calls_; }
  void Reset() { calls_.clear(); }

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
  DrawCall& Add(DrawOp op);

  int width_, height_;
  Pen pen_;
  Brush brush_;
  std::vector<DrawCall> calls_;
};

}  // namespace velt
