#include "macros/macro_apply.h"

#include "macros/macro_expand.h"
#include "model/element_list.h"
#include "model/kinds.h"

namespace velt {

ApplyResult ApplyMacro(Document& doc, const Macro& m, const std::vector<Element*>& picks,
                       const ApplySettings& settings) {
  ApplyResult out;
  const MacroCheck check = CheckMacro(m);
  if (check.fault != MacroFault::None) {
    out.status = ApplyStatus::Malformed;
    out.fault = check.fault;
    return out;
  }
  const auto& types = m.header.parameters;
  if (picks.size() != types.size()) {
    out.status = ApplyStatus::WrongPicks;
    return out;
  }
  for (size_t i = 0; i < picks.size(); ++i) {
    if (!picks[i] || picks[i]->type() != types[i]) {
      out.status = ApplyStatus::WrongPicks;
      return out;
    }
  }
  const std::vector<Element*> expanded = m.version == 100 ? picks : ExpandInitials(picks);
  if (static_cast<int32_t>(expanded.size()) != check.initials) {
    out.status = ApplyStatus::PicksMismatch;
    return out;
  }

  // Copies, indexed by their number less the initials' count.
  ElementList copies;
  copies.reserve(m.elements.size());
  std::vector<Element*> byNumber;
  for (const auto& e : m.elements) {
    copies.push_back(CopyElement(*e));
    byNumber.push_back(copies.back().get());
    ForEachSubElement(*copies.back(), [&](Element& s) { byNumber.push_back(&s); });
  }
  const int32_t k = check.initials;
  auto resolve = [&](Element& e) {
    e.nameElement = nullptr;
    e.mark = e.selected = 0;
    ForEachReference(e, [&](Element*& ref, int32_t& n) {
      if (n < 0)
        ref = nullptr;
      else if (n < k)
        ref = expanded[n];
      else
        ref = byNumber[n - k];
    });
  };
  for (auto& c : copies) {
    resolve(*c);
    ForEachSubElement(*c, resolve);
    const bool intermediate = c->visibility == 100;
    if ((c->visibility == 1 || intermediate) && IsTextLikeType(c->type())) {
      c->value[2] = settings.labelAt.x;
      c->value[3] = settings.labelAt.y;
    }
    if (!settings.hideIntermediates) c->visibility = 1;
  }
  out.first = copies.front().get();
  ElementList& list = doc.elements();
  list.reserve(list.size() + copies.size());
  for (auto& c : copies) list.push_back(std::move(c));
  Renumber(list);
  doc.modified = 1;
  return out;
}

}  // namespace velt
