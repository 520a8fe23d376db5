#pragma once
// Font records: the document fonts and an element's own label font.
#include <cstdint>
#include <string>

namespace velt {

struct Font {
  std::string face = "Arial";  // UTF-8
  int32_t colour = 0;
  int32_t size = 10;  // points
  int32_t bold = 0, italic = 0, underline = 0, strikeOut = 0;

  bool operator==(const Font&) const = default;
};

// A picture as stored in files: the bytes of a Windows BMP image, file header included.
struct Picture {
  std::string bmp;
  bool operator==(const Picture&) const = default;
};

}  // namespace velt
