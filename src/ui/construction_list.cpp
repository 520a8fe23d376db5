#include "ui/construction_list.h"

#include <algorithm>

#include "ui/strings.h"

namespace velt {
namespace {

constexpr int32_t kNeverDrawn = 100;

// A referenced element without a name shows "_".
std::string NameOf(const Element* e) {
  if (e && e->nameElement)
    if (const NameExt* n = e->nameElement->as<NameExt>(); n && !n->text.empty()) return n->text;
  return "_";
}

std::string Joined(const std::vector<const Element*>& elements) {
  std::string out;
  for (const Element* e : elements) {
    if (!out.empty()) out += ",";
    out += NameOf(e);
  }
  return out;
}

// A text shows its first line; anything else what it is built on.
std::string Description(const Element& e) {
  if (const TextExt* t = e.as<TextExt>()) {
    if (t->lines.empty()) return "_";
    return t->lines[0] + (t->lines.size() > 1 ? "..." : "");
  }
  std::vector<const Element*> refs;
  ForEachStructuralParent(e, [&](const Element* p) {
    if (p) refs.push_back(p);
  });
  return Joined(refs);
}

std::string FirstColumn(const Element& e, const LanguageTable& language) {
  std::string out = language.Get(str::KindName(e.kind));
  std::string name;
  if (e.kind == kFunctionGraph) {
    if (e.parent[0])
      if (const ExpressionExt* x = e.parent[0]->as<ExpressionExt>()) name = x->text;
  } else if (e.nameElement) {
    if (const NameExt* n = e.nameElement->as<NameExt>()) name = n->text;
  }
  if (!name.empty()) out += " " + name;
  return out;
}

}  // namespace

std::vector<ListRow> ConstructionRows(const Document& doc, const LanguageTable& language,
                                      bool showAll, const Element* highlighted) {
  std::vector<ListRow> rows;
  int number = 0;
  for (const ElementPtr& p : doc.elements()) {
    const Element& e = *p;
    if (e.kind == kName || !e.exists || e.visibility == kNeverDrawn) continue;
    ++number;
    const bool shown = e.visibility == 1;
    if (!shown && !showAll && &e != highlighted) continue;
    rows.push_back({p.get(), number, FirstColumn(e, language), Description(e), shown});
  }
  return rows;
}

std::string ConstructionListText(const std::vector<ListRow>& rows, std::string_view lineEnd) {
  std::string out;
  for (const ListRow& r : rows) {
    out += std::to_string(r.number) + ". " + r.first;
    if (!r.description.empty()) out += ": " + r.description;
    out += lineEnd;
  }
  return out;
}

int StepRow(int current, int count, ListStep step) {
  if (count <= 0) return -1;
  switch (step) {
    case ListStep::First: return 0;
    case ListStep::Last: return count - 1;
    case ListStep::Previous: return std::clamp(current - 1, 0, count - 1);
    case ListStep::Next: return std::clamp(current + 1, 0, count - 1);
  }
  return -1;
}

}  // namespace velt
