#pragma once
// Builds the bytes of a file in memory, in the little-endian layout of the file formats.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/font.h"

namespace velt {

class ByteWriter {
 public:
  void Int32(int32_t v);
  void Int16(int16_t v);
  void Real(double v);
  // A UTF-8 text written as counted Windows-1252; cut to the longest text a file may hold.
  void String(std::string_view utf8);
  // Document fonts and label fonts share one layout.
  void WriteFont(const Font& f);
  void WritePicture(const Picture& p);

  const std::string& bytes() const { return out_; }
  std::string Take() { return std::move(out_); }
  void Reserve(size_t n) { out_.reserve(n); }

 private:
  std::string out_;
};

}  // namespace velt
