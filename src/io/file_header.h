#pragma once
// The two words every document and macro file starts with, and what they make of the file.
#include <array>
#include <cstdint>

#include "io/byte_reader.h"
#include "io/byte_writer.h"

namespace velt {

inline constexpr int32_t kTypeDocument = 10;
inline constexpr int32_t kTypeDocumentWithWindow = 11;
inline constexpr int32_t kTypeMacro = 20;

// What a file is, by its header.
enum class FileKind : int32_t {
  Invalid = 0,              // unreadable, unknown type, or a malformed body
  Document = 1,             // type 10
  DocumentWithWindow = 11,  // type 11: the window geometry follows the type
  Macro = 2,                // type 20
  Newer = -1,               // a known type from a version above this program's
};

// Main-window geometry stored by type 11 files: left, top, height, width, state.
using WindowGeometry = std::array<int32_t, 5>;

struct FileHeader {
  FileKind kind = FileKind::Invalid;
  int32_t version = 0;
  int32_t type = 0;  // 10, 11 or 20 after mapping the old codes 1 and 2
  WindowGeometry window{};
};

// Reads version, type and, for type 11, the window geometry.
FileHeader ReadFileHeader(ByteReader& r);
// True for the versions whose rules the readers know.
constexpr bool IsReadableVersion(int32_t v) { return v >= 100 && v <= 700; }

}  // namespace velt
