#pragma once
// A bounded reader over the bytes of a file. Every read checks what is left; the first
// failure sticks, later reads return zeros, and the caller asks ok() once at the end of a
// step. Nothing is ever read outside the given bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/font.h"

namespace velt {

// Longest text a file may hold, in bytes of the file's code page.
inline constexpr int32_t kMaxStringBytes = 65536;
// Largest bitmap a file may hold.
inline constexpr int32_t kMaxPictureBytes = 256 * 1024 * 1024;

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : data_(bytes) {}
  ByteReader(std::string&&) = delete;  // the bytes must outlive the reader

  int32_t Int32();
  int16_t Int16();
  double Real();
  // A counted Windows-1252 text, returned as UTF-8; fails beyond kMaxStringBytes.
  std::string String();
  // A document font: the face is cut to 31 characters and a flag other than 1 clears it.
  Font DocumentFont();
  // An element's own font: read as stored.
  Font LabelFont();
  Picture ReadPicture();
  // A count in 0..max whose items need at least bytesEach bytes each of what is left.
  int32_t Count(int32_t max, size_t bytesEach);
  void Skip(size_t n);

  void Fail() { ok_ = false; }
  bool ok() const { return ok_; }
  bool AtEnd() const { return pos_ >= data_.size(); }
  size_t Remaining() const { return ok_ ? data_.size() - pos_ : 0; }
  size_t Position() const { return pos_; }

 private:
  bool Need(size_t n);
  std::string_view Bytes(size_t n);

  std::string_view data_;
  size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace velt
