#include "io/macro_file.h"

#include "io/element_records.h"

namespace velt {

namespace {
constexpr int32_t kMaxMacroParameters = 1 << 16;
constexpr int32_t kMaxDescriptionLines = 1 << 16;
}  // namespace

bool ReadMacroHeader(ByteReader& r, MacroHeader& h) {
  const int32_t k = r.Count(kMaxMacroParameters, 2);
  h.parameters.resize(k);
  for (auto& p : h.parameters) p = r.Int16();
  h.name = r.String();
  const int32_t m = r.Count(kMaxDescriptionLines, 4);
  h.description.clear();
  for (int32_t i = 0; i < m && r.ok(); ++i) h.description.push_back(r.String());
  return r.ok();
}

void WriteMacroHeader(ByteWriter& w, const MacroHeader& h) {
  w.Int32(static_cast<int32_t>(h.parameters.size()));
  for (auto p : h.parameters) w.Int16(p);
  w.String(h.name);
  w.Int32(static_cast<int32_t>(h.description.size()));
  for (const auto& line : h.description) w.String(line);
}

bool ReadElementRecords(ByteReader& r, int32_t version, const Font& textFont, ReadBudget& budget,
                        ElementList& out, bool stopAtMacro, bool* sawMacroMarker) {
  if (sawMacroMarker) *sawMacroMarker = false;
  while (r.ok() && !r.AtEnd()) {
    const int32_t kind = r.Int32();
    if (kind == -1 && stopAtMacro) {
      if (sawMacroMarker) *sawMacroMarker = r.ok();
      return r.ok();
    }
    ElementPtr e = ReadElementRecord(r, kind, version, textFont, budget);
    if (!e) return false;
    out.push_back(std::move(e));
  }
  return r.ok();
}

void WriteElementRecords(ByteWriter& w, const ElementList& list) {
  for (const auto& e : list) WriteElementRecord(w, *e);
}

std::string MacroFileBytes(const Macro& m) {
  ByteWriter w;
  w.Int32(kCurrentVersion);
  w.Int32(kTypeMacro);
  WriteMacroHeader(w, m.header);
  WriteElementRecords(w, m.elements);
  return w.Take();
}

FileKind ReadMacroBytes(std::string_view bytes, Macro& out) {
  ByteReader r(bytes);
  const FileHeader h = ReadFileHeader(r);
  if (h.kind == FileKind::Newer) return FileKind::Newer;
  if (h.kind != FileKind::Macro) return FileKind::Invalid;
  Macro m;
  m.version = h.version;
  if (!ReadMacroHeader(r, m.header)) return FileKind::Invalid;
  // Macro files hold one macro: a marker of another is not a kind.
  static const Font kTextFont;
  ReadBudget budget;
  if (!ReadElementRecords(r, h.version, kTextFont, budget, m.elements, false, nullptr))
    return FileKind::Invalid;
  out = std::move(m);
  return FileKind::Macro;
}

FileKind LoadMacroFile(const std::filesystem::path& path, Document& doc) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return FileKind::Invalid;
  if (doc.macros.size() >= static_cast<size_t>(kMaxMacros)) return FileKind::Invalid;
  Macro m;
  const FileKind kind = ReadMacroBytes(*bytes, m);
  if (kind != FileKind::Macro) return kind;
  doc.macros.push_back(std::move(m));
  doc.modified = 1;
  return kind;
}

bool SaveMacroFile(const Macro& m, const std::filesystem::path& path, const SinkOpener& open) {
  return WriteFileSafely(path, MacroFileBytes(m), open);
}

}  // namespace velt
