#include "anim/iteration.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "model/dependents.h"
#include "model/element_list.h"
#include "model/element_pool.h"

namespace velt {
namespace {

const IterationExt* Ext(const Element& e) { return e.as<IterationExt>(); }

int32_t Setting(const Element& e, int i) {
  const IterationExt* it = Ext(e);
  return it ? it->settings[static_cast<size_t>(i)] : 0;
}

// Types whose copies are never drawn: labels and other elements that show a text.
bool NeverRepeated(int32_t type) {
  switch (type) {
    case kTypeText:
    case kTypeName:
    case kTypeNumber:
    case kTypeFunction:
    case kTypeTable:
    case kTypeEquation:
    case kTypeCoordinates:
    case kTypeProperty:
    case kTypeButton: return true;
    default: return false;
  }
}

// The settings of the source document that rules and drawing read; the list, macros and
// history stay behind.
void CopySettings(const Document& from, Document& to) {
  to.viewLeft = from.viewLeft;
  to.viewTop = from.viewTop;
  to.viewRight = from.viewRight;
  to.viewBottom = from.viewBottom;
  to.backgroundColour = from.backgroundColour;
  to.hiddenColour = from.hiddenColour;
  to.selectionColour = from.selectionColour;
  to.cursorFont = from.cursorFont;
  to.nameFont = from.nameFont;
  to.numberFont = from.numberFont;
  to.textFont = from.textFont;
  to.typeColours = from.typeColours;
  to.typeStyles = from.typeStyles;
  to.lengthUnit = from.lengthUnit;
  to.angleUnit = from.angleUnit;
  to.measureScale = from.measureScale;
  to.coordinateSystem = from.coordinateSystem;
  to.antiAliased = from.antiAliased;
}

// Copies the document's whole list into the work; references inside the copy point into it.
// Returns the map from each source element (sub-elements included) to its copy.
std::unordered_map<const Element*, Element*> CopyList(const ElementList& source, IterationWork& w) {
  const int32_t total = CountWithSubElements(source);
  ElementList& list = w.doc.elements();
  list.clear();
  list.reserve(source.size());
  ElementPool pool(static_cast<size_t>(total));
  for (const ElementPtr& e : source) list.push_back(CopyElement(*e, pool));
  std::unordered_map<const Element*, Element*> map;
  map.reserve(static_cast<size_t>(total));
  std::vector<const Element*> from;
  from.reserve(static_cast<size_t>(total));
  ForEachDeep(source, [&](const Element& e) { from.push_back(&e); });
  size_t k = 0;
  ForEachDeep(list, [&](Element& c) { map.emplace(from[k++], &c); });
  auto remap = [&](Element* p) -> Element* {
    if (!p) return nullptr;
    auto it = map.find(p);
    return it == map.end() ? nullptr : it->second;
  };
  ForEachDeep(list, [&](Element& c) {
    ForEachReference(c, [&](Element*& ref, int32_t&) { ref = remap(ref); });
    c.nameElement = remap(c.nameElement);
    if (c.owner) c.owner = remap(c.owner);
  });
  w.elementCount = total;
  return map;
}

bool IsPoint(const Element* e) { return e && e->type() == kTypePoint; }

}  // namespace

int32_t CountFromValue(double v) {
  if (std::isnan(v) || v <= 0) return 0;
  if (!(v < kMaxIterationCount)) return kMaxIterationCount;
  return static_cast<int32_t>(v);  // truncation towards zero, within range
}

int64_t RepetitionsFor(int32_t sets, int32_t count, int64_t cap) {
  if (sets <= 0 || count <= 0) return 0;
  int64_t total = 0, level = 1;
  for (int32_t k = 1; k <= count; ++k) {
    level = level > cap / sets ? cap + 1 : level * sets;
    total = std::min(total + level, cap + 1);
    if (total > cap) return cap + 1;
  }
  return total;
}

int32_t BoundedIterationCount(int32_t requested, int32_t sets, int64_t perRepetition) {
  int32_t k = std::clamp(requested, 0, kMaxIterationCount);
  if (sets <= 0) return 0;
  const int64_t per = std::max<int64_t>(perRepetition, 1);
  const int64_t cap = kMaxIterationWork / per;
  if (sets == 1) return static_cast<int32_t>(std::min<int64_t>(k, cap));
  // For two or more sets the repetitions double at least at each level: a short search.
  while (k > 0 && RepetitionsFor(sets, k, cap) > cap) --k;
  return k;
}

bool IterationWellFormed(const Element& e) {
  const IterationExt* it = Ext(e);
  if (!it) return false;
  const int64_t c = static_cast<int64_t>(it->elements.size());
  const int32_t n = it->settings[kIterInitials], s = it->settings[kIterSets];
  if (n < 1 || s < 1 || n > c || s >= kMaxIterationSets * kMaxIterationSetSize) return false;
  if (it->settings[kIterFromNumber] && c <= n) return false;
  if (static_cast<int64_t>(it->results.size()) != n) return false;
  for (int32_t i = 0; i < n; ++i) {
    if (!IsPoint(it->elements[static_cast<size_t>(i)])) return false;
    const auto& row = it->results[static_cast<size_t>(i)];
    if (static_cast<int64_t>(row.size()) < s) return false;
    for (int32_t j = 0; j < s; ++j) {
      const int32_t at = row[static_cast<size_t>(j)];
      if (at < 0 || at >= c || !IsPoint(it->elements[static_cast<size_t>(at)])) return false;
    }
  }
  return true;
}

int32_t IterationOptions(const Element& e) { return Setting(e, kIterOptions); }

void SetIterationOption(Element& e, int32_t option, bool on) {
  if (IterationExt* it = e.as<IterationExt>()) {
    int32_t& o = it->settings[kIterOptions];
    o = on ? (o | option) : (o & ~option);
  }
}

int32_t IterationCount(const Element& e) { return Setting(e, kIterCount); }

int32_t IterationCountLimit(const Element& e) {
  const IterationExt* it = Ext(e);
  if (!it) return 0;
  const IterationWork* w = it->scratch.work.get();
  const int64_t per = w ? static_cast<int64_t>(w->marked.size()) : 1;
  return BoundedIterationCount(kMaxIterationCount, it->settings[kIterSets], per);
}

void SetIterationCount(Element& e, int64_t n) {
  IterationExt* it = e.as<IterationExt>();
  if (!it) return;
  const int32_t limit = std::max(IterationCountLimit(e), 1);
  it->settings[kIterCount] = static_cast<int32_t>(std::clamp<int64_t>(n, 1, limit));
}

bool RebuildIterationWork(const Document& doc, const Element& e) {
  const IterationExt* it = Ext(e);
  if (!it) return false;
  it->scratch.work.reset();
  if (!IterationWellFormed(e)) return false;
  auto w = std::make_shared<IterationWork>();
  CopySettings(doc, w->doc);
  const auto map = CopyList(doc.elements(), *w);
  auto copyOf = [&](const Element* src) -> Element* {
    auto found = map.find(src);
    return found == map.end() ? nullptr : found->second;
  };
  const int32_t n = it->settings[kIterInitials], s = it->settings[kIterSets];
  for (int32_t i = 0; i < n; ++i) {
    IterationCopyRow row;
    row.initial = copyOf(it->elements[static_cast<size_t>(i)]);
    for (int32_t j = 0; j < s; ++j)
      row.destinations.push_back(
          copyOf(it->elements[static_cast<size_t>(it->results[static_cast<size_t>(i)][j])]));
    if (!row.initial || std::count(row.destinations.begin(), row.destinations.end(), nullptr))
      return false;  // an element of the list is not in the document
    w->rows.push_back(std::move(row));
  }
  ElementList& list = w->doc.elements();
  // What the initials drive is recomputed at each repetition; only the elements of the
  // iteration's list after the initials are drawn, and never the label-like ones.
  ClearMarks(list);
  for (const IterationCopyRow& row : w->rows) MarkDependentsIn(list, *row.initial);
  ForEachDeep(list, [](Element& c) {
    if (c.visibility != 100) c.visibility = 0;
  });
  for (size_t i = static_cast<size_t>(n); i < it->elements.size(); ++i) {
    Element* c = copyOf(it->elements[i]);
    if (c && !NeverRepeated(c->type())) c->visibility = 1;
  }
  // Names and other iterations are never repeated; a locus only when all its parents are.
  for (const ElementPtr& c : list) {
    if (!c->mark) continue;
    bool keep = c->kind != kIteration && c->kind != kName;
    if (keep && c->type() == kTypeLocus)
      for (const Element* p : c->parent)
        if (p && !p->mark) keep = false;
    if (!keep) {
      c->mark = 0;
      ForEachSubElement(*c, [](Element& sub) { sub.mark = 0; });
      continue;
    }
    w->marked.push_back(c.get());
    if (c->visibility == 1) w->shown.push_back(c.get());
  }
  // Unmarked curves that marked elements are built on keep recorded data (samples of a
  // locus, a conic's frame) that drawing copies in again.
  std::unordered_map<const Element*, size_t> position;
  size_t k = 0;
  ForEachDeep(list, [&](Element& c) { position.emplace(&c, k++); });
  w->needsData.assign(k, 0);
  for (Element* c : w->marked)
    ForEachStructuralParent(*c, [&](const Element* p) {
      if (p && !p->mark && (p->as<SampleExt>() || p->as<ConicExt>())) w->needsData[position[p]] = 1;
    });
  w->sources = it->elements;
  w->count = BoundedIterationCount(IterationCount(e), s, static_cast<int64_t>(w->marked.size()));
  it->scratch.work = std::move(w);
  return true;
}

IterationWork* PreparedIterationWork(const Document& doc, const Element& e) {
  const IterationExt* it = Ext(e);
  if (!it) return nullptr;
  const int32_t total = CountWithSubElements(doc.elements());
  std::vector<const Element*> from;
  from.reserve(static_cast<size_t>(total));
  ForEachDeep(doc.elements(), [&](const Element& x) { from.push_back(&x); });
  // At most one rebuild: a fresh copy has the document's shape.
  for (int attempt = 0; attempt < 2; ++attempt) {
    IterationWork* w = it->scratch.work.get();
    if (!w || w->elementCount != total || w->sources != it->elements) {
      if (!RebuildIterationWork(doc, e)) return nullptr;
      w = it->scratch.work.get();
    }
    // The copy stands for the document as it is now: same shape, current values.
    size_t k = 0;
    bool same = true;
    ForEachDeep(w->doc.elements(), [&](Element& c) {
      if (!same || k >= from.size() || from[k]->kind != c.kind) {
        same = false;
        return;
      }
      const Element& x = *from[k];
      c.value = x.value;
      c.exists = x.exists;
      c.attr1 = x.attr1;
      c.attr2 = x.attr2;
      c.attr3 = x.attr3;
      c.colour = x.colour;
      if (w->needsData[k]) {
        if (const auto* s = x.as<SampleExt>()) *c.as<SampleExt>() = *s;
        if (const auto* q = x.as<ConicExt>()) c.as<ConicExt>()->data = q->data;
      }
      ++k;
    });
    if (same) {
      w->count = BoundedIterationCount(IterationCount(e), Setting(e, kIterSets),
                                       static_cast<int64_t>(w->marked.size()));
      return w;
    }
    it->scratch.work.reset();
  }
  return nullptr;
}

}  // namespace velt
