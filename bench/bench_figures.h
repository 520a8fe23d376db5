#pragma once
// Building figures element by element for the benchmarks.
#include <array>
#include <utility>
#include <vector>

#include "model/create.h"

namespace velt::bench {

// An element of a kind on the given parents, values and picks, made as a tool makes it.
inline Element* Make(Document& doc, int32_t kind, std::array<Element*, 3> parents,
                     std::array<double, 4> values = {}, std::vector<Element*> picks = {}) {
  ElementTemplate t;
  t.kind = kind;
  t.parent = parents;
  t.value = values;
  t.picks = std::move(picks);
  return MakeElementFromTemplate(doc, t, {});
}

}  // namespace velt::bench
