#include "ui/action_buttons.h"

#include <cmath>

#include "geometry/position_on_element.h"
#include "model/dependents.h"
#include "model/element_list.h"

namespace velt {
namespace {

// Calls f with each element e is built from, in the sense of the ancestor walk.
template <class F>
void ForEachAncestorStep(Element& e, F&& f) {
  if (auto* p = e.as<PolygonExt>()) {
    for (auto& s : p->sides) f(s->parent[0]);
  } else if (e.kind == kLocus) {
    f(e.parent[0]);
  } else if (auto* c = e.as<ConicExt>()) {
    for (Element* v : c->points) f(v);
  } else if (auto* it = e.as<IterationExt>()) {
    for (Element* v : it->elements) f(v);
  } else {
    for (Element* v : e.parent)
      if (v && v->type() != kTypeNumber) f(v);
  }
}

bool Finite(const Element& e) { return std::isfinite(e.x()) && std::isfinite(e.y()); }

bool Usable(const Element* e) { return e && e->type() == kTypePoint && e->exists && Finite(*e); }

int32_t Negation(int32_t v) { return v == 0 ? 1 : 0; }

void MovePair(Document& doc, Element& m, const Element& t) {
  if (!Usable(&m) || !Usable(&t)) return;
  if (m.kind == kFreePoint) {
    m.x() = t.x();
    m.y() = t.y();
  } else if (m.kind == kPointOnElement) {
    const Element* carrier = m.parent[0];
    if (!carrier) return;
    const auto foot = FootOnCarrier(*carrier, {t.x(), t.y()}, RuleContext{&doc});
    if (foot && std::isfinite(foot->t)) m.value[3] = foot->t;
  } else {
    const double dx = t.x() - m.x(), dy = t.y() - m.y();
    if (!std::isfinite(dx) || !std::isfinite(dy)) return;
    ElementList& list = doc.elements();
    ClearMarks(list);
    MarkAncestors(m);
    for (auto& x : list) {
      if (x->mark && x->kind == kFreePoint) {
        x->x() += dx;
        x->y() += dy;
      }
    }
    ClearMarks(list);
  }
}

}  // namespace

void MarkAncestors(Element& e) {
  std::vector<Element*> stack;
  auto visit = [&](Element* p) {
    if (p && !p->mark) {
      p->mark = 1;
      stack.push_back(p);
    }
  };
  ForEachAncestorStep(e, visit);
  while (!stack.empty()) {
    Element* x = stack.back();
    stack.pop_back();
    ForEachAncestorStep(*x, visit);
  }
}

bool MovementPairsAcceptable(Document& doc, const std::vector<Element*>& picks) {
  ElementList& list = doc.elements();
  if (picks.size() % 2 != 0) return false;
  bool ok = true;
  for (size_t k = 0; ok && k < picks.size(); k += 2) {
    Element* m = picks[k];
    Element* t = picks[k + 1];
    if (!m || !t || m->kind == kPointOnGrid) return false;
    if (m->type() != kTypePoint || t->type() != kTypePoint) return false;
    ClearMarks(list);
    if (m->kind != kPointOnElement) MarkAncestors(*m);
    MarkDependents(doc, *m);
    ok = t->mark == 0;
  }
  ClearMarks(list);
  return ok;
}

std::vector<int32_t> NewHideShowStates(const std::vector<Element*>& elements) {
  std::vector<int32_t> states;
  for (const Element* e : elements) states.push_back(e->visibility == 0 ? 1 : 0);
  return states;
}

std::vector<int32_t> RedefinedStates(const std::vector<Element*>& elements, bool oldUp) {
  std::vector<int32_t> states;
  for (const Element* e : elements)
    states.push_back(oldUp ? e->visibility : Negation(e->visibility));
  return states;
}

bool ApplyButton(Document& doc, Element& b, int32_t up) {
  ButtonExt* x = b.as<ButtonExt>();
  if (!x) return false;
  if (b.kind == kButtonShowHide) {
    for (size_t i = 0; i < x->targets.size() && i < x->states.size(); ++i) {
      if (Element* e = x->targets[i])
        e->visibility = up == 1 ? x->states[i] : Negation(x->states[i]);
    }
    return false;
  }
  if (b.kind != kButtonMove) return false;
  if (up == 0) {
    for (size_t k = 0; k + 1 < x->targets.size(); k += 2) {
      if (x->targets[k] && x->targets[k + 1]) MovePair(doc, *x->targets[k], *x->targets[k + 1]);
    }
  }
  return true;
}

bool InvertButton(Document& doc, Element& b) {
  ButtonExt* x = b.as<ButtonExt>();
  if (!x || b.kind != kButtonShowHide) return false;
  for (int32_t& s : x->states) s = Negation(s);
  ApplyButton(doc, b, b.attr2);
  return true;
}

}  // namespace velt
