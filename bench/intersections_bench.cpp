// Benchmarks of the intersection routines and of a figure full of intersection points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "geometry/intersect_circle.h"
#include "geometry/intersect_conic.h"
#include "geometry/intersection_codes.h"
#include "geometry/recompute.h"
#include "model/create.h"
#include "model/element_list.h"

namespace velt {
namespace {

Element* Make(Document& doc, int32_t kind, Element* p, Element* q, std::array<double, 4> v = {}) {
  ElementTemplate t;
  t.kind = kind;
  t.parent = {p, q, nullptr};
  t.value = v;
  return MakeElementFromTemplate(doc, t, {});
}

Element* Cut(Document& doc, Element* a, Element* b, int s) {
  const auto plan = ClassifyIntersection(a->type(), b->type(), s);
  ElementTemplate t;
  t.kind = kIntersection;
  t.parent = {plan->swapped ? b : a, plan->swapped ? a : b, nullptr};
  t.attr1 = plan->code;
  return MakeElementFromTemplate(doc, t, {});
}

// An ellipse with centre (cx, cy) and semi-axes a, b as a conic through five of its points.
Element* Ellipse(Document& doc, double cx, double cy, double a, double b) {
  ElementTemplate t;
  t.kind = kConic;
  for (int i = 0; i < 5; ++i) {
    const double u = 1.1 * i + 0.3;
    t.picks.push_back(Make(doc, kFreePoint, nullptr, nullptr,
                           {cx + a * std::cos(u), cy + b * std::sin(u), 0, 0}));
  }
  Element* e = MakeElementFromTemplate(doc, t, {});
  ConicData& d = e->as<ConicExt>()->data;
  // b^2 (x - cx)^2 + a^2 (y - cy)^2 = a^2 b^2, divided by a^2 (y^2 coefficient 1).
  d.a = b * b / (a * a);
  d.c = 1;
  d.d = -2 * cx * d.a;
  d.e = -2 * cy;
  d.f = d.a * cx * cx + cy * cy - b * b;
  d.conicClass = 1;
  return e;
}

// n lines and n circles about a ring, every line cut with every circle (both solutions),
// every pair of circles cut (both solutions), and n / 4 ellipses each cut with the next one
// and with one circle (four solutions each). Returns the document and its first point.
std::unique_ptr<Document> ManyIntersections(int n, Element** driver) {
  auto doc = std::make_unique<Document>();
  std::vector<Element*> lines, circles, ellipses;
  for (int i = 0; i < n; ++i) {
    const double u = 2 * std::numbers::pi * i / n;
    Element* p = Make(*doc, kFreePoint, nullptr, nullptr, {100 * std::cos(u), 100 * std::sin(u), 0, 0});
    if (i == 0) *driver = p;
    Element* q = Make(*doc, kFreePoint, nullptr, nullptr, {-80 * std::sin(u), 90 * std::cos(u), 0, 0});
    lines.push_back(Make(*doc, kLineTwoPoints, p, q, {p->x(), p->y(), q->x(), q->y()}));
    Element* r = Make(*doc, kFreePoint, nullptr, nullptr, {p->x() + 120, p->y(), 0, 0});
    circles.push_back(Make(*doc, kCircleCentrePoint, p, r, {p->x(), p->y(), r->x(), r->y()}));
  }
  for (int i = 0; i < n / 4; ++i) ellipses.push_back(Ellipse(*doc, 10 * i, 5 * i, 150, 90 + 3 * i));
  for (Element* l : lines)
    for (Element* c : circles)
      for (int s = 0; s < 2; ++s) Cut(*doc, c, l, s);
  for (size_t i = 0; i < circles.size(); ++i)
    for (size_t j = i + 1; j < circles.size(); ++j)
      for (int s = 0; s < 2; ++s) Cut(*doc, circles[i], circles[j], s);
  for (size_t i = 0; i < ellipses.size(); ++i)
    for (int s = 0; s < 4; ++s) {
      Cut(*doc, ellipses[i], ellipses[(i + 1) % ellipses.size()], s);
      Cut(*doc, ellipses[i], circles[i], s);
    }
  RecomputeAll(*doc);
  return doc;
}

void BM_ManyIntersectionsRecomputeAll(benchmark::State& state) {
  Element* driver = nullptr;
  auto doc = ManyIntersections(static_cast<int>(state.range(0)), &driver);
  int64_t points = 0, existing = 0;
  for (auto& e : doc->elements()) {
    points += e->kind == kIntersection;
    existing += e->kind == kIntersection && e->exists;
  }
  for (auto _ : state) RecomputeAll(*doc);
  state.counters["intersections"] = static_cast<double>(points);
  state.counters["existing"] = static_cast<double>(existing);
  state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_ManyIntersectionsRecomputeAll)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);

// One drag step of the first point: only what depends on it is recomputed.
void BM_ManyIntersectionsDragStep(benchmark::State& state) {
  Element* driver = nullptr;
  auto doc = ManyIntersections(static_cast<int>(state.range(0)), &driver);
  ClearMarks(doc->elements());
  MarkDependents(*doc, *driver);
  double t = 0;
  for (auto _ : state) {
    t += 0.01;
    driver->x() = 100 * std::cos(t);
    driver->y() = 100 * std::sin(t);
    RecomputeMarked(*doc);
  }
}
BENCHMARK(BM_ManyIntersectionsDragStep)->Arg(20)->Arg(60)->Unit(benchmark::kMicrosecond);

void BM_LineCircle(benchmark::State& state) {
  double t = 0;
  for (auto _ : state) {
    t += 1e-3;
    benchmark::DoNotOptimize(LineCircle({-10, t}, {10, 1 - t}, {0.5, 0}, 5));
  }
}
BENCHMARK(BM_LineCircle);

void BM_CircleCircle(benchmark::State& state) {
  double t = 0;
  for (auto _ : state) {
    t += 1e-3;
    benchmark::DoNotOptimize(CircleCircle({0, 0}, 5, {6, std::sin(t)}, 5));
  }
}
BENCHMARK(BM_CircleCircle);

void BM_ConicConicFourPoints(benchmark::State& state) {
  const SixCoefficients ellipse{9, 0, 25, 0, 0, -225};
  double t = 0;
  for (auto _ : state) {
    t += 1e-3;
    const double cx = 0.1 * std::sin(t);
    benchmark::DoNotOptimize(ConicConic(ellipse, {1, 0, 1, -2 * cx, 0, cx * cx - 16}));
  }
}
BENCHMARK(BM_ConicConicFourPoints);

}  // namespace
}  // namespace velt
