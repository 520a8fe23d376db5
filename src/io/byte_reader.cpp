#include "io/byte_reader.h"

#include <cstring>

#include "io/text_encoding.h"

namespace velt {

bool ByteReader::Need(size_t n) {
  if (ok_ && data_.size() - pos_ >= n) return true;
  ok_ = false;
  return false;
}

std::string_view ByteReader::Bytes(size_t n) {
  if (!Need(n)) return {};
  auto v = data_.substr(pos_, n);
  pos_ += n;
  return v;
}

int32_t ByteReader::Int32() {
  auto b = Bytes(4);
  if (b.empty()) return 0;
  uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(b[i]);
  return static_cast<int32_t>(u);
}

int16_t ByteReader::Int16() {
  auto b = Bytes(2);
  if (b.empty()) return 0;
  const uint16_t u =
      static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8));
  return static_cast<int16_t>(u);
}

double ByteReader::Real() {
  auto b = Bytes(8);
  if (b.empty()) return 0;
  uint64_t u = 0;
  for (int i = 7; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(b[i]);
  double d;
  std::memcpy(&d, &u, sizeof d);
  return d;
}

std::string ByteReader::String() {
  const int32_t n = Int32();
  if (n < 0 || n > kMaxStringBytes) {
    Fail();
    return {};
  }
  return Cp1252ToUtf8(Bytes(static_cast<size_t>(n)));
}

Font ByteReader::LabelFont() {
  Font f;
  f.face = String();
  f.colour = Int32();
  f.size = Int32();
  f.bold = Int32();
  f.italic = Int32();
  f.underline = Int32();
  f.strikeOut = Int32();
  return f;
}

Font ByteReader::DocumentFont() {
  const int32_t n = Int32();
  if (n < 0 || n > kMaxStringBytes) Fail();
  std::string_view face = Bytes(ok_ ? static_cast<size_t>(n) : 0);
  Font f;
  f.face = Cp1252ToUtf8(face.substr(0, 31));
  f.colour = Int32();
  f.size = Int32();
  for (int32_t* flag : {&f.bold, &f.italic, &f.underline, &f.strikeOut})
    *flag = Int32() == 1 ? 1 : 0;
  return f;
}

Picture ByteReader::ReadPicture() {
  const int32_t n = Int32();
  if (n < 0 || n > kMaxPictureBytes) {
    Fail();
    return {};
  }
  return Picture{std::string(Bytes(static_cast<size_t>(n)))};
}

int32_t ByteReader::Count(int32_t max, size_t bytesEach) {
  const int32_t n = Int32();
  if (!ok_ || n < 0 || n > max ||
      (bytesEach > 0 && static_cast<size_t>(n) > Remaining() / bytesEach)) {
    Fail();
    return 0;
  }
  return n;
}

void ByteReader::Skip(size_t n) { Bytes(n); }

}  // namespace velt
