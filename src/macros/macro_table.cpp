#include "macros/macro_table.h"

#include "macros/macro_record.h"

namespace velt {

namespace {
bool Inside(const Document& doc, int index) {
  return index >= 0 && index < static_cast<int>(doc.macros.size());
}
}  // namespace

bool RenameMacro(Document& doc, int index, std::string_view name) {
  if (!Inside(doc, index)) return false;
  std::string trimmed = TrimmedName(name);
  if (trimmed.empty() || trimmed == doc.macros[index].header.name) return false;
  doc.macros[index].header.name = std::move(trimmed);
  doc.modified = 1;
  return true;
}

bool DeleteMacro(Document& doc, int index) {
  if (!Inside(doc, index)) return false;
  doc.macros.erase(doc.macros.begin() + index);
  doc.modified = 1;
  return true;
}

Macro CopyMacro(const Macro& m) {
  Macro copy;
  copy.version = m.version;
  copy.header = m.header;
  copy.elements.reserve(m.elements.size());
  for (const auto& e : m.elements) copy.elements.push_back(CopyElement(*e));
  return copy;
}

}  // namespace velt
