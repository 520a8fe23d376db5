// Feeds arbitrary bytes to the document and macro readers. A file that loads must recompute,
// save and load again to the same bytes, and an undo snapshot of it must give back the same
// figure.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "geometry/recompute.h"
#include "io/document_file.h"
#include "io/macro_file.h"
#include "model/snapshot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velt;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Macro macro;
  if (ReadMacroBytes(bytes, macro) == FileKind::Macro) {
    const std::string again = MacroFileBytes(macro);
    Macro second;
    if (ReadMacroBytes(again, second) != FileKind::Macro || MacroFileBytes(second) != again)
      std::abort();
  }
  DocumentLoad load = ReadDocumentBytes(bytes, Options{});
  if (!load.document) return 0;
  const std::string saved = DocumentFileBytes(*load.document);
  DocumentLoad reload = ReadDocumentBytes(saved, Options{});
  if (!reload.document || DocumentFileBytes(*reload.document) != saved) std::abort();
  const std::string snapshot = EncodeFigure(*load.document->figure);
  if (EncodeFigure(*DecodeFigure(snapshot)) != snapshot) std::abort();
  RecomputeAll(*load.document);
  return 0;
}
