#pragma once
// Small helpers for building figures in tests.
#include <initializer_list>

#include "model/create.h"
#include "model/element_list.h"

namespace velt::test {

inline Element* AddPoint(Document& doc, double x, double y) {
  ElementTemplate t;
  t.kind = kFreePoint;
  t.value = {x, y, 0, 0};
  return MakeElementFromTemplate(doc, t, {});
}

inline Element* Add(Document& doc, int32_t kind, std::initializer_list<Element*> parents,
                    std::array<double, 4> values = {}) {
  ElementTemplate t;
  t.kind = kind;
  int i = 0;
  for (Element* p : parents) t.parent[i++] = p;
  t.value = values;
  return MakeElementFromTemplate(doc, t, {});
}

inline Element* AddWithPicks(Document& doc, int32_t kind, std::initializer_list<Element*> picks,
                             std::initializer_list<Element*> parents = {}) {
  ElementTemplate t;
  t.kind = kind;
  int i = 0;
  for (Element* p : parents) t.parent[i++] = p;
  t.picks.assign(picks.begin(), picks.end());
  return MakeElementFromTemplate(doc, t, {});
}

}  // namespace velt::test
