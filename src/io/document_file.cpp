#include "io/document_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "io/byte_reader.h"
#include "io/byte_writer.h"
#include "io/element_records.h"
#include "io/macro_file.h"
#include "model/element_list.h"

namespace velt {

namespace {

// The element types whose default colour and style a document stores, in file order.
constexpr std::array<int32_t, 11> kStoredTypes = {0, 1, 2, 3, 5, 6, 4, 7, 8, 13, 24};

constexpr size_t kAnimationBytes = 16;

struct StoredLists {
  std::vector<int32_t> traces;
  std::vector<std::array<int32_t, 4>> animations;
};

void ReadDocumentBlock(ByteReader& r, int32_t version, Document& d, StoredLists& lists) {
  d.backgroundColour = std::max(r.Int32(), 0);
  if (version >= 500) {
    d.hiddenColour = r.Int32();
    d.selectionColour = r.Int32();
  } else {
    d.hiddenColour = 48830;
    d.selectionColour = 16755370;
  }
  if (version >= 600) {
    d.cursorFont = r.DocumentFont();
    d.numberFont = r.DocumentFont();
    d.nameFont = r.DocumentFont();
    d.textFont = r.DocumentFont();
    for (int32_t t : kStoredTypes) d.typeColours[t] = r.Int32();
    for (int32_t t : kStoredTypes) d.typeStyles[t] = r.Int32();
  }
  d.lengthUnit = version >= 300 ? r.Int32() : 1;
  d.angleUnit = r.Int32();
  const double scale = version >= 600 ? r.Real() : static_cast<double>(r.Int32());
  // A scale outside its range would divide measurements by zero or worse.
  d.measureScale = (scale > 0 && scale <= 1000) ? scale : 40.0;
  d.coordinateSystem = r.Int32();
  d.antiAliased = version >= 500 ? r.Int32() : 0;
  const double left = r.Real(), top = r.Real();
  if (std::isfinite(left) && std::isfinite(top)) {
    d.viewLeft = left;
    d.viewTop = top;
  }
  if (version != 100) {
    const int32_t t = r.Count(kMaxTraces, 4);
    for (int32_t i = 0; i < t; ++i) lists.traces.push_back(r.Int32());
    const int32_t a = r.Count(kMaxAnimations, kAnimationBytes);
    for (int32_t i = 0; i < a; ++i) {
      std::array<int32_t, 4> entry{};
      for (auto& v : entry) v = r.Int32();
      if (version == 200) entry[3] *= 5;
      lists.animations.push_back(entry);
    }
  }
}

void WriteDocumentBlock(ByteWriter& w, const Document& d) {
  w.Int32(d.backgroundColour);
  w.Int32(d.hiddenColour);
  w.Int32(d.selectionColour);
  w.WriteFont(d.cursorFont);
  w.WriteFont(d.numberFont);
  w.WriteFont(d.nameFont);
  w.WriteFont(d.textFont);
  for (int32_t t : kStoredTypes) w.Int32(d.typeColours[t]);
  for (int32_t t : kStoredTypes) w.Int32(d.typeStyles[t]);
  w.Int32(d.lengthUnit);
  w.Int32(d.angleUnit);
  w.Real(d.measureScale);
  w.Int32(d.coordinateSystem);
  w.Int32(d.antiAliased);
  w.Real(d.viewLeft);
  w.Real(d.viewTop);

  std::vector<int32_t> traces;
  for (const Element* e : d.figure->traces)
    if (e && traces.size() < static_cast<size_t>(kMaxTraces)) traces.push_back(e->number);
  w.Int32(static_cast<int32_t>(traces.size()));
  for (int32_t n : traces) w.Int32(n);

  std::vector<const Animation*> animations;
  for (const Animation& a : d.figure->animations)
    if (a.element && animations.size() < static_cast<size_t>(kMaxAnimations))
      animations.push_back(&a);
  w.Int32(static_cast<int32_t>(animations.size()));
  for (const Animation* a : animations) {
    w.Int32(a->element->number);
    w.Int32(a->playing);
    w.Int32(a->reversed);
    w.Int32(a->speed);
  }
}

// Trace and animation entries from their stored numbers; entries that name no element are
// dropped.
void AttachTracesAndAnimations(Document& d, const StoredLists& lists) {
  const NumberIndex index(d.elements());
  for (int32_t n : lists.traces)
    if (Element* e = index.Find(n)) d.figure->traces.push_back(e);
  for (const auto& a : lists.animations)
    if (Element* e = index.Find(a[0]))
      d.figure->animations.push_back(Animation{e, a[1], a[2], a[3]});
}

// Rebuilds references, trace and animation entries from the stored numbers, then numbers
// the list densely. Returns the number of references cut because they formed a cycle.
int ResolveDocument(Document& d, const StoredLists& lists) {
  ElementList& list = d.elements();
  // Traces and animations name elements by their numbers in the file.
  if (!lists.traces.empty() || !lists.animations.empty()) {
    const int cut = ResolveReferences(list);
    AttachTracesAndAnimations(d, lists);
    Renumber(list);
    StoreReferenceNumbers(list);
    return cut;
  }
  // Most documents have neither: resolving and numbering is then one walk for the files
  // this program writes.
  return ResolveAndRenumber(list);
}

}  // namespace

FileHeader CheckFile(const std::filesystem::path& path) {
  std::FILE* f = std::fopen(path.string().c_str(), "rb");
  if (!f) return {};
  char buffer[28];
  const size_t n = std::fread(buffer, 1, sizeof buffer, f);
  std::fclose(f);
  ByteReader r(std::string_view(buffer, n));
  return ReadFileHeader(r);
}

DocumentLoad ReadDocumentBytes(std::string_view bytes, const Options& options) {
  DocumentLoad result;
  ByteReader r(bytes);
  result.header = ReadFileHeader(r);
  FileHeader& h = result.header;
  if (h.kind != FileKind::Document && h.kind != FileKind::DocumentWithWindow) {
    if (h.kind == FileKind::Macro) h.kind = FileKind::Invalid;
    return result;
  }
  auto doc = MakeDocument(options);
  StoredLists lists;
  ReadDocumentBlock(r, h.version, *doc, lists);
  bool anotherMacro = false;
  // The elements of the file side by side: a record takes at least 48 bytes.
  ElementPool pool(bytes.size() / 48);
  ReadBudget budget;
  budget.pool = &pool;
  bool ok = r.ok() && ReadElementRecords(r, h.version, doc->textFont, budget, doc->elements(), true,
                                         &anotherMacro);
  while (ok && anotherMacro) {
    if (doc->macros.size() >= static_cast<size_t>(kMaxMacros)) {
      ok = false;
      break;
    }
    Macro m;
    m.version = r.Int32();
    r.Int32();  // the type word of the macro
    ok = r.ok() && IsReadableVersion(m.version) && ReadMacroHeader(r, m.header) &&
         ReadElementRecords(r, m.version, doc->textFont, budget, m.elements, true, &anotherMacro);
    if (ok) doc->macros.push_back(std::move(m));
  }
  if (!ok) {
    h.kind = FileKind::Invalid;
    return result;
  }
  result.referencesCut = ResolveDocument(*doc, lists);
  doc->modified = 0;
  result.document = std::move(doc);
  return result;
}

DocumentLoad LoadDocumentFile(const std::filesystem::path& path, const Options& options) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return {};
  return ReadDocumentBytes(*bytes, options);
}

std::string DocumentFileBytes(Document& doc, const SaveSettings& settings) {
  Renumber(doc.elements());
  StoreReferenceNumbers(doc.elements());
  ByteWriter w;
  w.Reserve(256 + doc.elements().size() * 120);
  w.Int32(kCurrentVersion);
  if (settings.storeWindow) {
    w.Int32(kTypeDocumentWithWindow);
    for (int32_t v : settings.window) w.Int32(v);
  } else {
    w.Int32(kTypeDocument);
  }
  WriteDocumentBlock(w, doc);
  WriteElementRecords(w, doc.elements());
  size_t written = 0;
  for (const Macro& m : doc.macros) {
    if (++written > static_cast<size_t>(kMaxMacros)) break;
    w.Int32(-1);
    w.Int32(kCurrentVersion);
    w.Int32(kTypeMacro);
    WriteMacroHeader(w, m.header);
    WriteElementRecords(w, m.elements);
  }
  return w.Take();
}

bool SaveDocumentFile(Document& doc, const std::filesystem::path& path,
                      const SaveSettings& settings, const SinkOpener& open) {
  if (!WriteFileSafely(path, DocumentFileBytes(doc, settings), open)) return false;
  doc.fileName = PathToUtf8(path);
  doc.modified = 0;
  return true;
}

}  // namespace velt
