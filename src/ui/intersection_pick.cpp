#include "ui/intersection_pick.h"

#include <cmath>

#include "geometry/recompute.h"

namespace velt {
namespace {

// The curve classes of the code table.
enum Curve { cStraight, cSeg, cRay, cCircle, cArc, cConic, cLocus, cNone };

Curve ClassOf(const Element& e) {
  switch (e.type()) {
    case kTypeLine: return cStraight;
    case kTypeSegment:
    case kTypeVector: return cSeg;
    case kTypeRay: return cRay;
    case kTypeCircle: return cCircle;
    case kTypeArc: return cArc;
    case kTypeConic: return cConic;
    case kTypeLocus: return cLocus;
    default: return cNone;
  }
}

// Base code of an ordered pair (first class <= second in the table's sense) and whether the
// code puts the second picked element first.
struct Entry {
  int base = -1;  // -1: no code
  bool swap = false;
};

Entry Lookup(Curve a, Curve b) {
  // Codes for (first, second) in the table's parent order.
  struct Row {
    Curve p1, p2;
    int code;
  };
  static constexpr Row kRows[] = {
      {cStraight, cStraight, 0}, {cStraight, cSeg, 1},  {cStraight, cRay, 2},
      {cSeg, cSeg, 3},           {cSeg, cRay, 4},       {cRay, cRay, 5},
      {cCircle, cStraight, 6},   {cCircle, cSeg, 8},    {cCircle, cRay, 10},
      {cCircle, cCircle, 12},    {cArc, cStraight, 14}, {cArc, cSeg, 16},
      {cArc, cRay, 18},          {cArc, cArc, 20},      {cCircle, cArc, 22},
      {cConic, cStraight, 24},   {cConic, cSeg, 26},    {cConic, cRay, 28},
      {cConic, cConic, 30},      {cConic, cCircle, 34}, {cConic, cArc, 38}};
  for (const Row& r : kRows) {
    if (r.p1 == a && r.p2 == b) return {r.code, false};
    if (r.p1 == b && r.p2 == a) return {r.code, true};
  }
  return {};
}

}  // namespace

int SolutionCount(const Element& a, const Element& b) {
  const Curve ca = ClassOf(a), cb = ClassOf(b);
  if (ca == cConic || cb == cConic) return 4;
  if (ca == cCircle || cb == cCircle || ca == cArc || cb == cArc) return 2;
  return 1;
}

std::optional<IntersectionSetup> ClassifyIntersection(Element* a, Element* b, int solution) {
  if (!a || !b) return std::nullopt;
  const Curve ca = ClassOf(*a), cb = ClassOf(*b);
  if (ca == cNone || cb == cNone) return std::nullopt;
  if (ca == cLocus || cb == cLocus) return IntersectionSetup{a, b, 42};
  const Entry e = Lookup(ca, cb);
  if (e.base < 0) return std::nullopt;
  const int n = SolutionCount(*a, *b);
  if (solution < 0 || solution >= n) return std::nullopt;
  return e.swap ? IntersectionSetup{b, a, e.base + solution}
                : IntersectionSetup{a, b, e.base + solution};
}

ElementPtr MakeIntersectionCandidate(Element* a, Element* b, int solution, const Document& doc) {
  auto setup = ClassifyIntersection(a, b, solution);
  if (!setup || setup->code == 42 || !Rules()[kIntersection].fn) return nullptr;
  auto e = NewElementOfKind(kIntersection);
  e->parent = {setup->parent1, setup->parent2, nullptr};
  e->attr1 = setup->code;
  e->attr2 = 111;  // a candidate never falls back to the other solution
  e->exists = 1;
  RecomputeElement(*e, RuleContext{&doc});
  if (!e->exists || !std::isfinite(e->x()) || !std::isfinite(e->y())) return nullptr;
  e->kind = kIntersectionCandidate;
  e->value[3] = solution;
  return e;
}

}  // namespace velt
