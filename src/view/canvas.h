#pragma once
// What drawing needs from a picture. Coordinates are pixels, y down; colours are
// 0x00BBGGRR. Boxes (rectangles, ellipses, arcs) take the right and bottom edges
// exclusive, as the picture's own pixel grid does.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/font.h"
#include "view/viewport.h"

namespace velt {

enum class LineStyle : uint8_t { kSolid, kDot, kDashDot, kNone };

struct Pen {
  int32_t colour = 0;
  int width = 1;
  LineStyle style = LineStyle::kSolid;
  bool operator==(const Pen&) const = default;
};

struct Brush {
  int32_t colour = 0;
  bool hollow = false;  // outlines only
  bool operator==(const Brush&) const = default;
};

struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool operator==(const PixelBox&) const = default;
};

// A font for text: the face, the size in points for a 96-dpi picture, and the style flags.
struct TextFont {
  std::string face = "Arial";
  int size = 10;
  bool bold = false, italic = false, underline = false, strikeOut = false;
  bool operator==(const TextFont&) const = default;
};

struct TextExtent {
  int width = 0, height = 0, ascent = 0;
};

enum class CombineMode : uint8_t { kAnd, kOr };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  virtual const Pen& CurrentPen() const = 0;

  // Fills the whole picture, ignoring pen and brush.
  virtual void Clear(int32_t colour) = 0;
  virtual void FillRect(const PixelBox& box, int32_t colour) = 0;
  // A line from a towards b; the pixel at b itself is left out (SetPixel adds it).
  virtual void Line(PixelPoint a, PixelPoint b) = 0;
  virtual void SetPixel(PixelPoint p, int32_t colour) = 0;
  virtual void Polyline(std::span<const PixelPoint> points) = 0;
  // Filled with the brush, outlined with the pen. With a null pen the fill stops one pixel
  // short of the right and bottom edges, as the outline would have covered them.
  virtual void Polygon(std::span<const PixelPoint> points) = 0;
  virtual void Rectangle(const PixelBox& box) = 0;
  virtual void Ellipse(const PixelBox& box) = 0;
  // Counter-clockwise on the picture, from the ray through start to the ray through end.
  virtual void Arc(const PixelBox& box, PixelPoint start, PixelPoint end) = 0;
  virtual void Pie(const PixelBox& box, PixelPoint start, PixelPoint end) = 0;

  // Text with its top-left corner at p; background < 0 leaves the background transparent.
  virtual void Text(PixelPoint p, std::string_view text, const TextFont& font, int32_t colour,
                    int32_t background) = 0;
  virtual TextExtent MeasureText(std::string_view text, const TextFont& font) = 0;

  // A picture stored as BMP bytes: unscaled at its top-left corner, or stretched to a box.
  virtual void DrawPicture(PixelPoint topLeft, const Picture& picture) = 0;
  virtual void StretchPicture(const PixelBox& box, const Picture& picture) = 0;

  // Combines another picture of the same kind into this one over width × height pixels.
  virtual void Combine(const Canvas& source, int width, int height, CombineMode mode) = 0;
};

// Width and height of a BMP picture; false when the bytes are not a readable BMP header.
bool PictureSize(const Picture& picture, int& width, int& height);

}  // namespace velt
