#pragma once
// Element records as files store them: the kind, the counts that size the extension, the
// kind's body and the common trailer, read with the rules of the file's version.
#include <cstdint>

#include "io/byte_reader.h"
#include "io/byte_writer.h"
#include "model/element.h"
#include "model/element_pool.h"

namespace velt {

inline constexpr int32_t kCurrentVersion = 700;
inline constexpr int32_t kOldestVersion = 100;

// What one file may make the program allocate beyond its own bytes: locus samples are only
// counted in a file, and table columns hold a fixed number of rows, yet both take memory.
// Each sample and each table cell costs one unit.
struct ReadBudget {
  int64_t units = 4'000'000;
  ElementPool* pool = nullptr;  // where the file's elements are made; one by one when null
};

// Reads the rest of a record whose kind was just read. textFont is the font a text of a
// version-100 file starts with (those files store none). Null when the record is malformed
// or truncated; the reader has then failed.
ElementPtr ReadElementRecord(ByteReader& r, int32_t kind, int32_t version, const Font& textFont,
                             ReadBudget& budget);

// Writes one record in the current layout, with the stored numbers as they are.
void WriteElementRecord(ByteWriter& w, const Element& e);

}  // namespace velt
