// Detection: walks the construction list, tests each admitted element and ranks the hits.
#include "ui/detection.h"

#include <algorithm>

#include "geometry/element_points.h"
#include "ui/intersection_pick.h"

namespace velt {
namespace {

bool Admitted(const Element& e, const DetectionQuery& q) {
  const int32_t type = e.type();
  if (type < 0 || type >= kTypeCount) return false;
  if (e.visibility == 100 || !q.mask[type] || !e.exists) return false;
  if (e.visibility == 0 && (q.onlyShown || !q.showHidden)) return false;
  return true;
}

bool IsBackgroundType(int32_t type) {
  return type == kTypeTable || type == kTypeText || type == kTypeBitmap;
}

void MainPass(Document& doc, const DetectionQuery& q, std::vector<Hit>& hits) {
  for (auto& owned : doc.elements()) {
    if (hits.size() >= kMaxHits) break;
    Element& e = *owned;
    if (!Admitted(e, q) || IsBackgroundType(e.type())) continue;
    std::optional<TypeHit> h;
    try {
      h = HitByType(e, q);
    } catch (...) {
      h.reset();  // a failing test leaves the element out
    }
    if (h) hits.push_back({h->enters ? h->enters : &e, h->side});
  }
}

void BackgroundPass(Document& doc, const DetectionQuery& q, std::vector<Hit>& hits) {
  if (!q.boxOf) return;
  for (auto& owned : doc.elements()) {
    if (hits.size() >= kMaxHits) break;
    Element& e = *owned;
    if (!IsBackgroundType(e.type()) || !Admitted(e, q)) continue;
    auto box = q.boxOf(e);
    if (box && box->Contains(q.pointer)) hits.push_back({&e, -1});
  }
}

// Of several points in tool 0: the last one, in list order, that can be dragged directly, or
// the first one when none can.
Hit ChooseDraggablePoint(const std::vector<Hit>& points) {
  for (auto it = points.rbegin(); it != points.rend(); ++it)
    if (CanDragDirectly(*it->element)) return *it;
  return points.front();
}

bool OffersCrossing(const ToolRow& row, const DetectionQuery& q) {
  return row.crossings == CrossingOffer::Always ||
         (row.crossings == CrossingOffer::WhilePoints && q.mask[kTypePoint]);
}

Element* CurveOf(const Hit& h) {
  // A polygon stands for its hit side.
  if (auto* p = h.element->as<PolygonExt>();
      p && h.side >= 0 && h.side < static_cast<int>(p->sides.size()))
    return p->sides[h.side].get();
  return h.element;
}

ElementPtr NearestCrossing(const std::vector<Hit>& hits, const Document& doc,
                           const DetectionQuery& q) {
  Element* a = CurveOf(hits[0]);
  Element* b = CurveOf(hits[1]);
  ElementPtr best;
  double bestDistance = 9999;
  const int n = SolutionCount(*a, *b, &doc);
  for (int s = 0; s < n; ++s) {
    auto c = MakeIntersectionCandidate(a, b, s, doc);
    if (!c) continue;
    const double d = Distance(PointA(*c), q.pointer);
    if (d * q.scale < q.tolerance && d < bestDistance) {
      bestDistance = d;
      best = std::move(c);
    }
  }
  return best;
}

}  // namespace

Detection Detect(Document& doc, const DetectionQuery& q) {
  Detection out;
  std::vector<Hit>& hits = out.hits;
  const ToolRow& row = RowOf(q.tool);
  MainPass(doc, q, hits);
  if (const auto finds = row.finds)
    std::erase_if(hits, [&](const Hit& h) { return !finds(*h.element); });

  // Points first.
  std::vector<Hit> points;
  for (const Hit& h : hits)
    if (h.element->type() == kTypePoint) points.push_back(h);
  if (!points.empty()) {
    hits = row.role == ToolRole::Move ? std::vector<Hit>{ChooseDraggablePoint(points)} : points;
  } else {
    std::vector<Hit> labels;
    for (const Hit& h : hits) {
      const int32_t t = h.element->type();
      if (IsLabelLikeType(t) || (h.element->kind == kAxes && h.side >= 0)) labels.push_back(h);
    }
    if (!labels.empty()) hits = labels;
  }

  if (hits.empty() || hits.front().element->kind == kLocus) BackgroundPass(doc, q, hits);

  if (row.prefersSelected && !hits.empty() && hits.front().element->type() != kTypePoint) {
    std::vector<Hit> selected;
    for (const Hit& h : hits)
      if (h.element->selected) selected.push_back(h);
    if (!selected.empty()) hits = selected;
  }

  if (OffersCrossing(row, q) && hits.size() > 1 && hits[0].element->type() != kTypePoint) {
    if (auto c = NearestCrossing(hits, doc, q)) {
      out.candidate = std::move(c);
      hits.clear();
    }
  }

  if (q.picks && !row.repicks) {
    const std::vector<Element*>& picks = *q.picks;
    std::erase_if(hits, [&](const Hit& h) {
      auto it = std::find(picks.begin(), picks.end(), h.element);
      if (it == picks.end()) return false;
      return !(row.closesOnFirst && it == picks.begin());
    });
  }
  return out;
}

bool CanDragDirectly(const Element& e) {
  auto freePoint = [](const Element* p) { return p && p->kind == kFreePoint; };
  switch (DragRuleOf(e.kind)) {
    case DragRule::Ancestors: break;
    case DragRule::Picture: return !e.parent[0] || freePoint(e.parent[0]);
    default: return true;  // it moves itself
  }
  // Elements moved by their defining points, when those are all free.
  if (const auto* p = e.as<PolygonExt>()) {
    return std::all_of(p->sides.begin(), p->sides.end(), [](const ElementPtr& s) {
      const Element* v = s->parent[0];
      return v && (v->kind == kFreePoint || v->kind == kRegularPolygonVertex);
    });
  }
  if (const auto* c = e.as<ConicExt>())
    return std::all_of(c->points.begin(), c->points.end(), freePoint);
  if (const int n = FreeParentsToDrag(e.kind); n > 0)
    return std::all_of(e.parent.begin(), e.parent.begin() + n, freePoint);
  return e.type() == kTypeTable;
}

}  // namespace velt
