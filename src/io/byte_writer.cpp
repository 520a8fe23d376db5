#include "io/byte_writer.h"

#include "io/byte_reader.h"
#include "io/text_encoding.h"

namespace velt {

void ByteWriter::String(std::string_view utf8) {
  std::string bytes = Utf8ToCp1252(utf8);
  if (bytes.size() > static_cast<size_t>(kMaxStringBytes)) bytes.resize(kMaxStringBytes);
  Int32(static_cast<int32_t>(bytes.size()));
  Bytes(bytes);
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
  if (fits) Bytes(p.bmp);
}

}  // namespace velt
