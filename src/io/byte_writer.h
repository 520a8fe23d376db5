#pragma once
// Builds the bytes of a file in memory: the numbers of model/bytes.h in the little-endian
// layout of the file formats, and their texts, fonts and pictures.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/bytes.h"
#include "model/font.h"

namespace velt {

class ByteWriter : public BytesOut {
 public:
  // A UTF-8 text written as counted Windows-1252; cut to the longest text a file may hold.
  void String(std::string_view utf8);
  // Document fonts and label fonts share one layout.
  void WriteFont(const Font& f);
  void WritePicture(const Picture& p);
};

}  // namespace velt
