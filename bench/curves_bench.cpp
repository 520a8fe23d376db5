// Benchmarks of circles, arcs, polygons and conics: the conic numerics, whole figures of
// curves with points on them, and the parameter of a point dragged along a conic.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_figures.h"
#include "geometry/conic.h"
#include "geometry/position_on_element.h"
#include "geometry/recompute.h"
#include "model/create.h"

namespace velt {
namespace {

using bench::Make;

Element* FreePoint(Document& doc, double x, double y) {
  return Make(doc, kFreePoint, {}, {x, y, 0, 0});
}

// Groups of 19 elements: a circle through a point, a fixed-radius circle, an arc, an angle
// mark, a quadrilateral and a conic through five points, each with a point on it. Every
// group hangs on the first point, so that a drag of it recomputes everything.
std::unique_ptr<Document> CurvesFigure(int groups) {
  auto doc = std::make_unique<Document>();
  Element* origin = FreePoint(*doc, 0, 0);
  for (int g = 0; g < groups; ++g) {
    const double s = 1 + g % 13;
    Element* c = Make(*doc, kMidpoint, {origin, FreePoint(*doc, 2 * g, 0), nullptr});
    Element* p[5];
    const double angles[5] = {0.1, 1.3, 2.2, 3.9, 5.1};
    for (int i = 0; i < 5; ++i) {
      const Pt q{s * 30 * std::cos(angles[i]), s * 18 * std::sin(angles[i])};
      p[i] = FreePoint(*doc, q.x, q.y);
    }
    p[0] = Make(*doc, kMidpoint, {c, p[0], nullptr});  // ties the conic to the origin
    Element* circle = Make(*doc, kCircleCentrePoint, {c, p[1], nullptr});
    Element* fixed = Make(*doc, kCircleCentre, {c, nullptr, nullptr}, {0, 0, 0, 10});
    Element* arc = Make(*doc, kArc, {p[0], p[1], p[2]});
    Element* mark = Make(*doc, kAngleMark, {p[2], c, p[3]});
    Element* quad = Make(*doc, kPolygon, {}, {}, {p[0], p[1], p[2], p[3]});
    Element* conic = Make(*doc, kConic, {}, {}, {p[0], p[1], p[2], p[3], p[4]});
    for (Element* carrier : {circle, fixed, arc, quad, conic})
      Make(*doc, kPointOnElement, {carrier, nullptr, nullptr}, {0, 0, 0, 0.4 + g % 3});
    (void)mark;
  }
  RecomputeAll(*doc);
  return doc;
}

void BM_ConicThroughFivePoints(benchmark::State& state) {
  const FivePoints p{{{100, 0}, {-100, 0}, {0, 60}, {0, -60}, {60, 48}}};
  ConicData d;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeConic(p, d));
  }
}
BENCHMARK(BM_ConicThroughFivePoints);

void BM_CurvesRecomputeAll(benchmark::State& state) {
  auto doc = CurvesFigure(static_cast<int>(state.range(0)));
  for (auto _ : state) RecomputeAll(*doc);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(doc->elements().size()));
  state.counters["elements"] = static_cast<double>(doc->elements().size());
}
BENCHMARK(BM_CurvesRecomputeAll)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);

// One mouse move of a drag of the first point: the marked elements recomputed.
void BM_CurvesDragStep(benchmark::State& state) {
  auto doc = CurvesFigure(static_cast<int>(state.range(0)));
  Element* first = doc->first();
  ClearMarks(doc->elements());
  MarkDependents(*doc, *first);
  double x = 0;
  for (auto _ : state) {
    first->value[0] = (x += 0.01);
    RecomputeMarked(*doc);
  }
}
BENCHMARK(BM_CurvesDragStep)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);

// A point dragged along a conic: the cursor turned into a parameter, then placed.
void BM_ParameterOnConic(benchmark::State& state) {
  auto doc = std::make_unique<Document>();
  std::vector<Element*> p;
  const double xy[5][2] = {{100, 0}, {-100, 0}, {0, 60}, {0, -60}, {60, 48}};
  for (auto& q : xy) p.push_back(FreePoint(*doc, q[0], q[1]));
  Element* conic = Make(*doc, kConic, {}, {}, p);
  RecomputeAll(*doc);
  const RuleContext ctx{doc.get()};
  double a = 0;
  for (auto _ : state) {
    a += 0.01;
    const PositionProbe probe{{110 * std::cos(a), 65 * std::sin(a)}, 4};
    auto hit = ParameterFromPosition(*conic, probe, ctx);
    double t = hit ? hit->t : 0;
    benchmark::DoNotOptimize(PositionOnElement(*conic, t, ctx));
  }
}
BENCHMARK(BM_ParameterOnConic);

}  // namespace
}  // namespace velt
