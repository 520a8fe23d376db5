#include "macros/macro_record.h"

#include <unordered_map>

#include "macros/macro_expand.h"
#include "model/dependents.h"
#include "model/element_list.h"

namespace velt {
namespace {

Element* TopLevel(Element* e) { return e->owner ? e->owner : e; }

}  // namespace

std::string TrimmedName(std::string_view name) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  return std::string(name);
}

std::unordered_set<const Element*> DependentsOfInitials(ElementList& list,
                                                        const std::vector<Element*>& initials) {
  const std::vector<Element*> expanded = ExpandInitials(initials);
  ClearMarks(list);
  for (Element* e : expanded) MarkDependentsIn(list, *e);
  for (Element* e : expanded) e->mark = 0;
  std::unordered_set<const Element*> out;
  ForEachDeep(list, [&](const Element& e) {
    if (e.mark) out.insert(&e);
  });
  for (Element* e : expanded) out.erase(e);
  ClearMarks(list);
  return out;
}

RecordStatus RecordMacro(Document& doc, const std::vector<Element*>& initials,
                         const std::vector<Element*>& finals, std::string_view name) {
  if (doc.macros.size() >= static_cast<size_t>(kMaxMacros)) return RecordStatus::TableFull;
  const std::string trimmed = TrimmedName(name);
  if (trimmed.empty()) return RecordStatus::EmptyName;
  if (initials.empty()) return RecordStatus::NoInitials;
  if (finals.empty()) return RecordStatus::NoFinals;
  ElementList& list = doc.elements();
  const auto dependents = DependentsOfInitials(list, initials);
  for (const Element* f : finals)
    if (!dependents.count(f)) return RecordStatus::NotDependent;

  // The numbers of the expanded initials: the first place an element takes.
  const std::vector<Element*> expanded = ExpandInitials(initials);
  std::unordered_map<const Element*, int32_t> number;
  for (size_t i = 0; i < expanded.size(); ++i) number.emplace(expanded[i], static_cast<int32_t>(i));

  // The walk from the finals to the initials; a sub-element brings its owner.
  std::unordered_set<const Element*> recorded, finalOwners;
  std::vector<Element*> stack;
  for (Element* f : finals) {
    finalOwners.insert(TopLevel(f));
    stack.push_back(f);
  }
  while (!stack.empty()) {
    Element* e = stack.back();
    stack.pop_back();
    if (!e || number.count(e)) continue;
    Element* top = TopLevel(e);
    if (number.count(top) || !recorded.insert(top).second) continue;
    ForEachStructuralParent(*top, [&](Element* p) { stack.push_back(p); });
    ForEachSubElement(*top, [&](Element& s) {
      ForEachStructuralParent(s, [&](Element* p) {
        if (p != top) stack.push_back(p);
      });
    });
  }

  // Numbers in construction order, then the copies with their references as numbers.
  std::vector<const Element*> order;
  int32_t next = static_cast<int32_t>(expanded.size());
  for (const auto& p : list) {
    if (!recorded.count(p.get())) continue;
    order.push_back(p.get());
    number.emplace(p.get(), next++);
    ForEachSubElement(*p, [&](Element& s) { number.emplace(&s, next++); });
  }
  Macro m;
  m.version = 700;
  m.header.name = trimmed;
  for (const Element* e : initials) m.header.parameters.push_back(static_cast<int16_t>(e->type()));
  m.elements.reserve(order.size());
  auto rewrite = [&](Element& copy, const Element& source) {
    copy.number = number.at(&source);
    copy.nameElement = nullptr;
    copy.mark = copy.selected = 0;
    ForEachReference(copy, [&](Element*& ref, int32_t& n) {
      const auto it = ref ? number.find(ref) : number.end();
      n = it == number.end() ? -1 : it->second;
      ref = nullptr;
    });
  };
  for (const Element* e : order) {
    ElementPtr copy = CopyElement(*e);
    rewrite(*copy, *e);
    std::vector<const Element*> sources;
    ForEachSubElement(*e, [&](const Element& s) { sources.push_back(&s); });
    size_t i = 0;
    ForEachSubElement(*copy, [&](Element& s) { rewrite(s, *sources[i++]); });
    if (!finalOwners.count(e)) copy->visibility = 100;
    m.elements.push_back(std::move(copy));
  }
  doc.macros.push_back(std::move(m));
  doc.modified = 1;
  return RecordStatus::Recorded;
}

}  // namespace velt
