#include "model/dependents.h"

#include <algorithm>

#include "model/element_list.h"

namespace velt {
namespace {

void SetMarkDeep(Element& e, int32_t value) {
  e.mark = value;
  ForEachSubElement(e, [&](Element& s) { s.mark = value; });
}

bool DependsOnMarked(const Element& x) {
  bool hit = false;
  ForEachStructuralParent(x, [&](const Element* p) {
    if (p && p->mark) hit = true;
  });
  return hit;
}

// Forward walk from list index `from`: marks every element with a marked structural parent.
void MarkForward(ElementList& list, size_t from) {
  for (size_t i = from; i < list.size(); ++i) {
    Element& x = *list[i];
    if (!x.mark && DependsOnMarked(x)) SetMarkDeep(x, 1);
  }
}

Element& TopLevelOf(Element& e) {
  Element* t = &e;
  while (t->owner) t = t->owner;
  return *t;
}

}  // namespace

void ClearMarks(ElementList& list) {
  ForEachDeep(list, [](Element& e) { e.mark = 0; });
}

void MarkDependentsIn(ElementList& list, Element& e) {
  const int32_t remembered = e.mark;
  Element& top = TopLevelOf(e);
  const std::ptrdiff_t at = IndexOf(list, &top);
  // A sub-element marks only itself; the owner marks its sub-elements too.
  if (&top == &e)
    SetMarkDeep(e, 1);
  else
    e.mark = 1;
  MarkForward(list, at < 0 ? 0 : static_cast<size_t>(at) + 1);

  // Colour sources may point forward: rescan until nothing changes.
  for (bool changed = true; changed;) {
    changed = false;
    for (size_t i = 0; i < list.size(); ++i) {
      Element& x = *list[i];
      if (!x.mark && x.colourSource && x.colourSource->mark) {
        SetMarkDeep(x, 1);
        MarkForward(list, i + 1);
        changed = true;
        break;
      }
    }
  }
  if (&top == &e)
    SetMarkDeep(e, 0);
  else
    e.mark = 0;
  e.mark = remembered;
}

namespace {

void ForgetElement(Figure& fig, const Element* gone) {
  auto& t = fig.traces;
  t.erase(std::remove(t.begin(), t.end(), gone), t.end());
  auto& a = fig.animations;
  a.erase(std::remove_if(a.begin(), a.end(), [&](const Animation& x) { return x.element == gone; }),
          a.end());
}

void Unlink(Element& e) {
  if (e.nameElement && e.nameElement->parent[0] == &e) e.nameElement->parent[0] = nullptr;
  if (e.kind == kName && e.parent[0] && e.parent[0]->nameElement == &e)
    e.parent[0]->nameElement = nullptr;
}

}  // namespace

void DeleteWithDependents(Document& doc, Element& target) {
  ElementList& list = doc.elements();
  Element& e = TopLevelOf(target);
  if (IndexOf(list, &e) < 0) return;
  ClearMarks(list);
  MarkDependentsIn(list, e);
  e.mark = 1;
  for (auto& p : list) {
    if (!p->mark) continue;
    Unlink(*p);
    ForgetElement(*doc.figure, p.get());
    ForEachSubElement(*p, [&](Element& s) { ForgetElement(*doc.figure, &s); });
  }
  list.erase(
      std::remove_if(list.begin(), list.end(), [](const ElementPtr& p) { return p->mark != 0; }),
      list.end());
  // Survivors may hold colour sources pointing at deleted elements; those were marked and
  // deleted with them, so no reference into freed memory remains.
  ClearMarks(list);
}

void DeleteAll(Document& doc) {
  doc.figure->traces.clear();
  doc.figure->animations.clear();
  doc.elements().clear();
}

}  // namespace velt
