// Feeds arbitrary bytes to the document and macro readers. A file that loads must recompute,
// save and load again to the same bytes, and an undo snapshot of it must give back the same
// figure; a macro on points applies to points or is refused.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "geometry/recompute.h"
#include "io/document_file.h"
#include "io/macro_file.h"
#include "macros/macro_apply.h"
#include "model/create.h"
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
    // A macro on points is applied to free points: its numbers must resolve or be refused.
    Document doc;
    std::vector<Element*> picks;
    for (int16_t t : macro.header.parameters) {
      if (t != kTypePoint) break;
      ElementTemplate p;
      p.kind = kFreePoint;
      p.value = {static_cast<double>(picks.size()) * 37.0, 11.0, 0, 0};
      picks.push_back(MakeElementFromTemplate(doc, p, {}));
    }
    if (picks.size() == macro.header.parameters.size() &&
        ApplyMacro(doc, macro, picks, {}).status == ApplyStatus::Applied)
      RecomputeAll(doc);
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
