#include "io/file_header.h"

#include "io/element_records.h"

namespace velt {

FileHeader ReadFileHeader(ByteReader& r) {
  FileHeader h;
  h.version = r.Int32();
  h.type = r.Int32();
  if (!r.ok()) return h;
  if (h.type == 1 || h.type == 2) {
    // The oldest files used 1 for documents and 2 for macros.
    if (h.version > 300) return h;
    h.type = h.type == 1 ? kTypeDocument : kTypeMacro;
  }
  if (h.type == kTypeDocumentWithWindow) {
    for (auto& v : h.window) v = r.Int32();
    if (!r.ok()) return h;
  }
  if (h.type != kTypeDocument && h.type != kTypeDocumentWithWindow && h.type != kTypeMacro)
    return h;
  if (h.version > kCurrentVersion) {
    h.kind = FileKind::Newer;
    return h;
  }
  if (h.version < kOldestVersion) return h;
  h.kind = h.type == kTypeMacro                ? FileKind::Macro
           : h.type == kTypeDocumentWithWindow ? FileKind::DocumentWithWindow
                                               : FileKind::Document;
  return h;
}

}  // namespace velt
