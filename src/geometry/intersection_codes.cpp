#include "geometry/intersection_codes.h"

#include <array>

#include "model/kinds.h"

namespace velt {
namespace {

// The element types grouped as intersections see them.
enum class Shape { kNone, kLine, kRay, kSegment, kCircle, kArc, kConic, kLocus };

Shape ShapeOfType(int32_t type) {
  static constexpr std::array<Shape, kTypeCount> kShapes = [] {
    std::array<Shape, kTypeCount> t{};
    t[kTypeLine] = Shape::kLine;
    t[kTypeRay] = Shape::kRay;
    t[kTypeSegment] = Shape::kSegment;
    t[kTypeVector] = Shape::kSegment;
    t[kTypeCircle] = Shape::kCircle;
    t[kTypeArc] = Shape::kArc;
    t[kTypeConic] = Shape::kConic;
    t[kTypeLocus] = Shape::kLocus;
    return t;
  }();
  return type >= 0 && type < kTypeCount ? kShapes[type] : Shape::kNone;
}

// One row of the code table: the pair (first, second) in parent order, the first code and
// the number of solutions. A row whose two shapes are equal keeps the picked order.
struct CodeRow {
  Shape first, second;
  int32_t base;
  int solutions;
};

constexpr std::array<CodeRow, 21> kCodeRows = {{
    {Shape::kLine, Shape::kLine, 0, 1},      {Shape::kLine, Shape::kSegment, 1, 1},
    {Shape::kLine, Shape::kRay, 2, 1},       {Shape::kSegment, Shape::kSegment, 3, 1},
    {Shape::kSegment, Shape::kRay, 4, 1},    {Shape::kRay, Shape::kRay, 5, 1},
    {Shape::kCircle, Shape::kLine, 6, 2},    {Shape::kCircle, Shape::kSegment, 8, 2},
    {Shape::kCircle, Shape::kRay, 10, 2},    {Shape::kCircle, Shape::kCircle, 12, 2},
    {Shape::kArc, Shape::kLine, 14, 2},      {Shape::kArc, Shape::kSegment, 16, 2},
    {Shape::kArc, Shape::kRay, 18, 2},       {Shape::kArc, Shape::kArc, 20, 2},
    {Shape::kCircle, Shape::kArc, 22, 2},    {Shape::kConic, Shape::kLine, 24, 2},
    {Shape::kConic, Shape::kSegment, 26, 2}, {Shape::kConic, Shape::kRay, 28, 2},
    {Shape::kConic, Shape::kConic, 30, 4},   {Shape::kConic, Shape::kCircle, 34, 4},
    {Shape::kConic, Shape::kArc, 38, 4},
}};

struct Match {
  const CodeRow* row = nullptr;
  bool swapped = false;
};

Match FindRow(int32_t firstType, int32_t secondType) {
  const Shape a = ShapeOfType(firstType), b = ShapeOfType(secondType);
  for (const CodeRow& r : kCodeRows) {
    if (r.first == a && r.second == b) return {&r, false};
    if (r.first == b && r.second == a) return {&r, true};
  }
  return {};
}

bool InvolvesLocus(int32_t firstType, int32_t secondType) {
  const Shape a = ShapeOfType(firstType), b = ShapeOfType(secondType);
  return (a == Shape::kLocus && b != Shape::kNone) || (b == Shape::kLocus && a != Shape::kNone);
}

}  // namespace

std::optional<IntersectionPlan> ClassifyIntersection(int32_t firstType, int32_t secondType,
                                                     int solution) {
  if (solution < 0) return std::nullopt;
  if (InvolvesLocus(firstType, secondType)) return IntersectionPlan{kLocusIntersectionCode, false};
  const Match m = FindRow(firstType, secondType);
  if (!m.row || solution >= m.row->solutions) return std::nullopt;
  return IntersectionPlan{m.row->base + solution, m.swapped};
}

int IntersectionSolutionCount(int32_t firstType, int32_t secondType) {
  if (InvolvesLocus(firstType, secondType)) return -1;
  const Match m = FindRow(firstType, secondType);
  return m.row ? m.row->solutions : 0;
}

int SolutionIndexOfCode(int32_t code) {
  if (code < 0 || code >= kLocusIntersectionCode) return -1;
  for (const CodeRow& r : kCodeRows)
    if (code >= r.base && code < r.base + r.solutions) return code - r.base;
  return -1;
}

}  // namespace velt
