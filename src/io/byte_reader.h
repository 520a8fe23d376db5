#pragma once
// A bounded reader over the bytes of a file: the numbers and counts of model/bytes.h, and
// the file formats' texts (Windows-1252 at the boundary), fonts and pictures. Every read
// checks what is left; the first failure sticks, later reads return zeros, and the caller
// asks ok() once at the end of a step. Nothing is ever read outside the given bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/bytes.h"
#include "model/font.h"

namespace velt {

// Longest text a file may hold, in bytes of the file's code page.
inline constexpr int32_t kMaxStringBytes = 65536;
// Largest bitmap a file may hold.
inline constexpr int32_t kMaxPictureBytes = 256 * 1024 * 1024;

class ByteReader : public BytesIn {
 public:
  explicit ByteReader(std::string_view bytes) : BytesIn(bytes) {}
  ByteReader(std::string&&) = delete;  // the bytes must outlive the reader

  // A counted Windows-1252 text, returned as UTF-8; fails beyond kMaxStringBytes.
  std::string String();
  // A document font: the face is cut to 31 characters and a flag other than 1 clears it.
  Font DocumentFont();
  // An element's own font: read as stored.
  Font LabelFont();
  Picture ReadPicture();
};

}  // namespace velt
