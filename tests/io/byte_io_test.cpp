#include <gtest/gtest.h>

#include "io/byte_reader.h"
#include "io/byte_writer.h"
#include "io/text_encoding.h"

namespace velt {
namespace {

TEST(TextEncoding, CodePageAndUtf8) {
  EXPECT_EQ(Cp1252ToUtf8("\x80\xE9\x96\x41"), "€é–A");
  EXPECT_EQ(Utf8ToCp1252("€é–A"), "\x80\xE9\x96\x41");
  EXPECT_EQ(Utf8ToCp1252("中√"), "??");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");  // cut in the middle of a character
  // Every byte survives the way in and out, the five undefined ones included.
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Utf8Length("é€a"), 3u);
}

TEST(ByteWriter, LittleEndianLayout) {
  ByteWriter w;
  w.Int32(-2);
  w.Int16(0x1234);
  w.Real(1.0);
  w.String("ñ");
  EXPECT_EQ(w.bytes(),
            std::string("\xFE\xFF\xFF\xFF\x34\x12\0\0\0\0\0\0\xF0\x3F\x01\0\0\0\xF1", 19));
}

TEST(ByteReader, ReadsBackAndStopsAtTheEnd) {
  ByteWriter w;
  w.Int32(-123456);
  w.Int16(-2);
  w.Real(-0.1);
  w.String("Ärger");
  w.WriteFont(Font{"A very long face name of more than 31 characters", 1, 2, 5, 1, 0, 1});
  ByteReader r(w.bytes());
  EXPECT_EQ(r.Int32(), -123456);
  EXPECT_EQ(r.Int16(), -2);
  EXPECT_EQ(r.Real(), -0.1);
  EXPECT_EQ(r.String(), "Ärger");
  Font f = r.DocumentFont();
  EXPECT_EQ(f.face, "A very long face name of more t");
  EXPECT_EQ(f.bold, 0);  // a flag other than 1 clears the style
  EXPECT_EQ(f.italic, 1);
  EXPECT_EQ(f.strikeOut, 1);
  EXPECT_TRUE(r.ok());
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(r.Int32(), 0);
  EXPECT_FALSE(r.ok());
}

TEST(ByteReader, RefusesWhatDoesNotFit) {
  auto counted = [](int32_t n, size_t bytes) {
    ByteWriter w;
    w.Int32(n);
    return w.bytes() + std::string(bytes, 'x');
  };
  {
    const std::string bytes = counted(5, 4);
    ByteReader r(bytes);  // a string one byte short
    r.String();
    EXPECT_FALSE(r.ok());
  }
  {
    const std::string bytes = counted(-1, 4);
    ByteReader r(bytes);
    r.String();
    EXPECT_FALSE(r.ok());
  }
  {
    const std::string bytes = counted(kMaxStringBytes + 1, kMaxStringBytes + 1);
    ByteReader r(bytes);
    r.String();
    EXPECT_FALSE(r.ok());
  }
  {
    const std::string bytes = counted(kMaxStringBytes, kMaxStringBytes);
    ByteReader r(bytes);
    EXPECT_EQ(r.String().size(), static_cast<size_t>(kMaxStringBytes));
    EXPECT_TRUE(r.ok());
  }
  {
    const std::string bytes = counted(3, 12);
    ByteReader r(bytes);  // three items of four bytes fit
    EXPECT_EQ(r.Count(10, 4), 3);
    EXPECT_TRUE(r.ok());
  }
  {
    const std::string bytes = counted(4, 12);
    ByteReader r(bytes);  // four do not
    r.Count(10, 4);
    EXPECT_FALSE(r.ok());
  }
  {
    const std::string bytes = counted(0x7FFFFFFF, 8);
    ByteReader r(bytes);
    r.ReadPicture();
    EXPECT_FALSE(r.ok());
  }
}

}  // namespace
}  // namespace velt
