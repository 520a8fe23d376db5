#pragma once
// A small 24-bit BMP picture of one colour, as the bitmap elements hold.
#include <cstdint>
#include <string>

#include "model/font.h"

namespace velt::test {

inline Picture SolidBmp(int width, int height, int32_t colour = 0x0000FF) {
  const int row = (width * 3 + 3) / 4 * 4;
  const uint32_t pixels = static_cast<uint32_t>(row * height);
  std::string b;
  auto u16 = [&](uint32_t v) {
    b += char(v & 0xFF);
    b += char((v >> 8) & 0xFF);
  };
  auto u32 = [&](uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  b += "BM";
  u32(54 + pixels);
  u32(0);
  u32(54);
  u32(40);
  u32(static_cast<uint32_t>(width));
  u32(static_cast<uint32_t>(height));
  u16(1);
  u16(24);
  u32(0);
  u32(pixels);
  u32(2835);
  u32(2835);
  u32(0);
  u32(0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      b += char((colour >> 16) & 0xFF);  // blue, green, red
      b += char((colour >> 8) & 0xFF);
      b += char(colour & 0xFF);
    }
    b.append(static_cast<size_t>(row - width * 3), '\0');
  }
  return Picture{b};
}

}  // namespace velt::test
