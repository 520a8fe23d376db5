#pragma once
// A canvas that writes a LaTeX document holding one TikZ picture, with the standard library
// only. One picture pixel is 0.75 pt (a 96-dpi screen), y runs down as on the picture, and
// the picture is clipped to its own size, so lines end at the view's edges.
#include <map>
#include <string>

#include "view/canvas.h"

namespace velt {

class TikzCanvas final : public Canvas {
 public:
  TikzCanvas(int width, int height);

  // The complete document: preamble, colours, the picture between the markers
  // "% begin picture" and "% end picture" (to be cut out for \input), and the end.
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
  // The name of a colour, defined once in the preamble.
  std::string ColourName(int32_t colour);
  std::string DrawOptions();  // the pen as \draw options; empty for a null pen
  std::string FillOptions();  // the brush as fill options; empty when hollow
  void ArcPath(const PixelBox& box, PixelPoint start, PixelPoint end, bool pie);

  int width_, height_;
  Pen pen_;
  Brush brush_;
  std::map<int32_t, std::string> colours_;
  std::string body_;
};

// TeX's special characters escaped, so that any element text can stand in a node.
std::string EscapeTex(std::string_view text);

}  // namespace velt
