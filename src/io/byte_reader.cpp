#include "io/byte_reader.h"

#include "io/text_encoding.h"

namespace velt {

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
  std::string_view face = Bytes(ok() ? static_cast<size_t>(n) : 0);
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

}  // namespace velt
