// Benchmarks of the point and straight rules: a long construction that hangs on its first
// point, recomputed whole and as a drag of that point.
#include <benchmark/benchmark.h>

#include "bench_figures.h"
#include "geometry/recompute.h"
#include "model/create.h"
#include "model/dependents.h"

namespace velt {
namespace {

using bench::Make;

// Groups of five: a free point F, the midpoint M of the previous midpoint and F, the line MF,
// the parallel to it through the previous midpoint and the perpendicular to it through M.
// The first element is the first point, and every midpoint hangs on it.
std::unique_ptr<Document> Chain(int n) {
  auto doc = std::make_unique<Document>();
  Element* previous = Make(*doc, kFreePoint, {}, {0, 0, 0, 0});
  for (int i = 1; static_cast<int>(doc->elements().size()) < n; ++i) {
    Element* f = Make(*doc, kFreePoint, {}, {double(i % 97) * 3, double(i % 89) * 5, 0, 0});
    Element* m = Make(*doc, kMidpoint, {previous, f, nullptr});
    Element* line = Make(*doc, kLineTwoPoints, {m, f, nullptr});
    Make(*doc, kParallel, {line, previous, nullptr});
    Make(*doc, kPerpendicular, {line, m, nullptr});
    previous = m;
  }
  while (static_cast<int>(doc->elements().size()) > n) doc->elements().pop_back();
  RecomputeAll(*doc);
  return doc;
}

void BM_ChainRecomputeAll(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  Element* first = doc->first();
  double x = 0;
  for (auto _ : state) {
    first->value[0] = (x += 0.5);
    RecomputeAll(*doc);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChainRecomputeAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The start of a drag of the first point: marking what depends on it.
void BM_ChainDragStart(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ClearMarks(doc->elements());
    MarkDependents(*doc, *doc->first());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChainDragStart)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One mouse move of the drag: the marked elements only.
void BM_ChainDragMove(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  Element* first = doc->first();
  ClearMarks(doc->elements());
  MarkDependents(*doc, *first);
  double x = 0;
  for (auto _ : state) {
    first->value[0] = (x += 0.5);
    RecomputeMarked(*doc);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChainDragMove)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
