#include "ui/intersection_pick.h"

#include <algorithm>
#include <cmath>

#include "geometry/common_points.h"
#include "geometry/intersection_codes.h"
#include "geometry/locus_intersections.h"
#include "geometry/recompute.h"

namespace velt {

namespace {

size_t LocusSolutionCount(const Element& a, const Element& b, const Document& doc) {
  const bool firstIsLocus = a.type() == kTypeLocus;
  return LocusCommonPoints(doc, firstIsLocus ? a : b, firstIsLocus ? b : a).size();
}

}  // namespace

int SolutionCount(const Element& a, const Element& b, const Document* doc) {
  const int count = IntersectionSolutionCount(a.type(), b.type());
  if (count < 0 && doc) return static_cast<int>(LocusSolutionCount(a, b, *doc));
  return std::max(0, count);
}

std::optional<IntersectionSetup> ClassifyIntersection(Element* a, Element* b, int solution) {
  if (!a || !b) return std::nullopt;
  auto plan = ClassifyIntersection(a->type(), b->type(), solution);
  if (!plan) return std::nullopt;
  return plan->swapped ? IntersectionSetup{b, a, plan->code} : IntersectionSetup{a, b, plan->code};
}

std::vector<int> SolutionsToCreate(const Element& a, const Element& b, const Document* doc) {
  const int count = IntersectionSolutionCount(a.type(), b.type());
  if (count < 0 && doc) {
    const size_t found = LocusSolutionCount(a, b, *doc);
    std::vector<int> all(found);
    for (size_t i = 0; i < found; ++i) all[i] = static_cast<int>(i);
    return all;
  }
  if (count <= 0) return {};
  if (count == 1) return {0};
  if (count == 4) return {0, 1, 2, 3};
  // Two solutions: the rule of the point already avoids a single known common point.
  switch (KnownCommonPoints(a, b).size()) {
    case 0: return {0, 1};
    case 1: return {0};
    default: return {};
  }
}

ElementPtr MakeIntersectionCandidate(Element* a, Element* b, int solution, const Document& doc) {
  auto setup = ClassifyIntersection(a, b, solution);
  if (!setup || !Rules()[kIntersection].fn) return nullptr;
  auto e = NewElementOfKind(kIntersection);
  e->parent = {setup->parent1, setup->parent2, nullptr};
  e->attr1 = setup->code;
  // A candidate never falls back to the other solution; on a locus it is the n-th point.
  e->attr2 = setup->code == kLocusIntersectionCode ? solution : 111;
  e->exists = 1;
  RecomputeElement(*e, RuleContext{&doc});
  if (!e->exists || !std::isfinite(e->x()) || !std::isfinite(e->y())) return nullptr;
  e->kind = kIntersectionCandidate;
  e->value[3] = solution;
  return e;
}

}  // namespace velt
