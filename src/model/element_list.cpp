#include "model/element_list.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "model/element_pool.h"
#include "model/reference_order.h"

namespace velt {

Element* Append(Document& doc, ElementPtr e) {
  Element* raw = e.get();
  doc.elements().push_back(std::move(e));
  return raw;
}

std::ptrdiff_t IndexOf(const ElementList& list, const Element* e) {
  // Most lookups concern recent elements: search from the end.
  for (std::ptrdiff_t i = static_cast<std::ptrdiff_t>(list.size()) - 1; i >= 0; --i)
    if (list[i].get() == e) return i;
  return -1;
}

Element* Previous(const ElementList& list, const Element* e) {
  auto i = IndexOf(list, e);
  return i > 0 ? list[i - 1].get() : nullptr;
}

int32_t CountWithSubElements(const ElementList& list) {
  int32_t n = 0;
  ForEachDeep(list, [&](const Element&) { ++n; });
  return n;
}

Element* FindByNumber(const ElementList& list, int32_t number) {
  for (const auto& e : list) {
    if (e->number == number) return e.get();
    Element* found = nullptr;
    ForEachSubElement(*e, [&](Element& s) {
      if (!found && s.number == number) found = &s;
    });
    if (found) return found;
  }
  return nullptr;
}

Element* FirstMarked(const ElementList& list) {
  for (auto& e : list)
    if (e->mark) return e.get();
  return nullptr;
}
Element* FirstUnmarked(const ElementList& list) {
  for (auto& e : list)
    if (!e->mark) return e.get();
  return nullptr;
}
Element* LastMarked(const ElementList& list) {
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if ((*it)->mark) return it->get();
  return nullptr;
}
Element* LastUnmarked(const ElementList& list) {
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if (!(*it)->mark) return it->get();
  return nullptr;
}

void SetSelected(ElementList& list, int32_t value) {
  ForEachDeep(list, [&](Element& e) { e.selected = value; });
}

void Renumber(ElementList& list) {
  int32_t n = 0;
  ForEachDeep(list, [&](Element& e) { e.number = ++n; });
}

void StoreReferenceNumbers(ElementList& list) {
  ForEachDeep(list, [](Element& e) {
    ForEachReference(e, [](Element*& ref, int32_t& number) { number = ref ? ref->number : -1; });
  });
}

NumberIndex::NumberIndex(const ElementList& list) {
  // One walk when the numbers are positive and not much larger than the list is long (files
  // and renumbered lists); a sorted table otherwise. Either way the first element with a
  // number is the one found.
  int32_t count = 0;
  bool dense = true;
  dense_.assign(list.size() + 17, nullptr);
  ForEachDeep(list, [&](const Element& e) {
    if (!dense) return;
    ++count;
    if (e.number < 1 || e.number > 2 * (count + static_cast<int64_t>(list.size())) + 16) {
      dense = false;
      return;
    }
    const auto n = static_cast<size_t>(e.number);
    if (n >= dense_.size()) dense_.resize(std::max(n + 1, dense_.size() * 2), nullptr);
    if (!dense_[n]) dense_[n] = const_cast<Element*>(&e);
  });
  if (dense) return;
  dense_.clear();
  dense_.shrink_to_fit();
  ForEachDeep(list,
              [&](const Element& e) { sparse_.emplace_back(e.number, const_cast<Element*>(&e)); });
  std::stable_sort(sparse_.begin(), sparse_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
}

Element* NumberIndex::Find(int32_t number) const {
  if (number < 0) return nullptr;
  if (!dense_.empty() || sparse_.empty()) {
    return static_cast<size_t>(number) < dense_.size() ? dense_[number] : nullptr;
  }
  auto it = std::lower_bound(sparse_.begin(), sparse_.end(), number,
                             [](const auto& p, int32_t n) { return p.first < n; });
  return it != sparse_.end() && it->first == number ? it->second : nullptr;
}

namespace {

// The resolving walk of ResolveReferences; *dense tells whether the numbers were 1, 2, ... in
// numbering order, in which case an unresolved reference's number is set to -1 on the way.
int Resolve(ElementList& list, bool* dense) {
  const NumberIndex index(list);
  // One walk resolves the references, attaches the names and sees whether the list is
  // already parents-first: whether the numbers grow along it and every reference (but the
  // colour source and the owner) names a smaller number than its element's. Lists this
  // program wrote always are; then a name's element came before it and is attached for good.
  bool ordered = true;
  int64_t last = std::numeric_limits<int64_t>::min();
  int32_t count = 0;
  bool sequential = true;
  for (auto& top : list) {
    const int32_t first = top->number;
    auto resolve = [&](Element& e) {
      if (e.number <= last) ordered = false;
      last = e.number;
      sequential = sequential && e.number == ++count;
      e.nameElement = nullptr;
      ForEachReference(e, [&](Element*& ref, int32_t& number) {
        ref = index.Find(number);
        if (!ref) {
          if (dense) number = -1;  // what StoreReferenceNumbers would write
        } else if (&ref != &e.colourSource && ref != e.owner && ref->number >= first) {
          ordered = false;
        }
      });
      if (e.kind == kName && e.parent[0]) e.parent[0]->nameElement = &e;
    };
    resolve(*top);
    ForEachSubElement(*top, resolve);
  }
  if (dense) *dense = sequential && ordered;
  if (ordered) return 0;
  const int cut = OrderParentsFirst(list);
  ForEachDeep(list, [](Element& e) { e.nameElement = nullptr; });
  ForEachDeep(list, [](Element& e) {
    if (e.kind == kName && e.parent[0]) e.parent[0]->nameElement = &e;
  });
  return cut;
}

}  // namespace

int ResolveReferences(ElementList& list) { return Resolve(list, nullptr); }

int ResolveAndRenumber(ElementList& list) {
  bool dense = false;
  const int cut = Resolve(list, &dense);
  // Numbered 1, 2, ... and parents-first: every resolved reference already carries its
  // element's number, and the unresolved ones were set to -1.
  if (dense) return cut;
  Renumber(list);
  StoreReferenceNumbers(list);
  return cut;
}

std::shared_ptr<Figure> CopyFigure(Figure& source) {
  Renumber(source.elements);
  StoreReferenceNumbers(source.elements);
  auto copy = std::make_shared<Figure>();
  copy->elements.reserve(source.elements.size());
  ElementPool pool(static_cast<size_t>(CountWithSubElements(source.elements)));
  for (const auto& e : source.elements) copy->elements.push_back(CopyElement(*e, pool));
  // The copy carries the same dense numbers: rebuild every reference by number.
  NumberIndex index(copy->elements);
  ForEachDeep(copy->elements, [&](Element& e) {
    e.nameElement = nullptr;
    ForEachReference(e, [&](Element*& ref, int32_t& number) { ref = index.Find(number); });
  });
  ForEachDeep(copy->elements, [](Element& e) {
    if (e.kind == kName && e.parent[0]) e.parent[0]->nameElement = &e;
  });
  for (Element* t : source.traces)
    if (t) copy->traces.push_back(index.Find(t->number));
  for (const Animation& a : source.animations) {
    Animation c = a;
    c.element = a.element ? index.Find(a.element->number) : nullptr;
    copy->animations.push_back(c);
  }
  return copy;
}

}  // namespace velt
