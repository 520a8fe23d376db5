#pragma once
// Macro files (*.mac, type 20): a macro header and the macro's element records. The same
// header and records are embedded in documents after their own elements.
#include <filesystem>

#include "io/byte_reader.h"
#include "io/byte_writer.h"
#include "io/element_records.h"
#include "io/file_header.h"
#include "io/safe_file.h"
#include "model/document.h"

namespace velt {

// Parameter types, name and description lines.
bool ReadMacroHeader(ByteReader& r, MacroHeader& h);
void WriteMacroHeader(ByteWriter& w, const MacroHeader& h);

// Element records until the end of the bytes or, when stopAtMacro, until a -1 marker
// (which is consumed). False on a malformed or truncated record. The stored numbers are
// kept; resolving them is the caller's business.
bool ReadElementRecords(ByteReader& r, int32_t version, const Font& textFont, ReadBudget& budget,
                        ElementList& out, bool stopAtMacro, bool* sawMacroMarker);
void WriteElementRecords(ByteWriter& w, const ElementList& list);

// The bytes of a macro file.
std::string MacroFileBytes(const Macro& m);
// Reads a macro file; kind is Macro on success, Newer or Invalid otherwise (a document is
// Invalid here). The element numbers are kept as stored.
FileKind ReadMacroBytes(std::string_view bytes, Macro& out);

// Loads a macro file into the document's next macro slot and marks the document modified.
// Invalid when the table already holds the most macros a document can hold.
FileKind LoadMacroFile(const std::filesystem::path& path, Document& doc);
bool SaveMacroFile(const Macro& m, const std::filesystem::path& path,
                   const SinkOpener& open = OpenNewFile);

}  // namespace velt
