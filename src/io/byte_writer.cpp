#include "io/byte_writer.h"

#include <cstring>

#include "io/byte_reader.h"
#include "io/text_encoding.h"

namespace velt {

void ByteWriter::Int32(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void ByteWriter::Int16(int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  out_.push_back(static_cast<char>(u & 0xFF));
  out_.push_back(static_cast<char>(u >> 8));
}

void ByteWriter::Real(double v) {
  uint64_t u;
  std::memcpy(&u, &v, sizeof u);
  for (int i = 0; i < 8; ++i) out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void ByteWriter::String(std::string_view utf8) {
  std::string bytes = Utf8ToCp1252(utf8);
  if (bytes.size() > static_cast<size_t>(kMaxStringBytes)) bytes.resize(kMaxStringBytes);
  Int32(static_cast<int32_t>(bytes.size()));
  out_ += bytes;
}

void ByteWriter::WriteFont(const Font& f) {
  String(f.face);
  Int32(f.colour);
  Int32(f.size);
  Int32(f.bold);
  Int32(f.italic);
  Int32(f.underline);
  Int32(f.strikeOut);
}

void ByteWriter::WritePicture(const Picture& p) {
  // A picture too large to read back is written as none rather than as a broken file.
  const bool fits = p.bmp.size() <= static_cast<size_t>(kMaxPictureBytes);
  Int32(fits ? static_cast<int32_t>(p.bmp.size()) : 0);
  if (fits) out_ += p.bmp;
}

}  // namespace velt
