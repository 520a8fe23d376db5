#include "macros/macro_check.h"

#include "model/element_list.h"

namespace velt {

MacroCheck CheckMacro(const Macro& m) {
  MacroCheck out;
  if (m.elements.empty() || m.header.parameters.empty()) {
    out.fault = MacroFault::Empty;
    return out;
  }
  for (int16_t t : m.header.parameters) {
    if (t < 0 || t >= kTypeCount || t == kTypeIntersection) {
      out.fault = MacroFault::BadParameterType;
      return out;
    }
  }
  const int32_t first = m.elements.front()->number;
  const int32_t k = static_cast<int32_t>(m.header.parameters.size());
  if (first < k) {
    out.fault = MacroFault::BadNumbering;
    return out;
  }
  out.initials = first;
  int32_t expected = first;
  int32_t last = first - 1;
  ForEachDeep(m.elements, [&](const Element& e) {
    if (e.number != expected++) out.fault = MacroFault::BadNumbering;
    last = e.number;
  });
  if (out.fault != MacroFault::None) return out;
  ForEachDeep(m.elements, [&](const Element& e) {
    auto& x = const_cast<Element&>(e);
    ForEachReference(x, [&](Element*&, int32_t& n) {
      if (out.fault != MacroFault::None || n == -1) return;
      // The colour source is the one reference that may name a later element.
      const bool colour = &n == &x.colourSourceNumber;
      if (n < 0 || n > last)
        out.fault = MacroFault::OutOfRange;
      else if (n >= e.number && !(colour && n != e.number))
        out.fault = MacroFault::ForwardReference;
    });
  });
  return out;
}

}  // namespace velt
