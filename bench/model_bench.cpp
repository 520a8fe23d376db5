// Benchmarks of the construction model and the recompute pass on large lists.
#include <benchmark/benchmark.h>

#include "geometry/recompute.h"
#include "model/create.h"
#include "model/element_list.h"
#include "model/snapshot.h"
#include "model/undo.h"

namespace velt {
namespace {

// n elements: a free point every fourth element, the others midpoints and segments on the
// two previous elements, so that everything depends on the first point.
std::unique_ptr<Document> Chain(int n) {
  auto doc = std::make_unique<Document>();
  ElementTemplate t;
  t.kind = kFreePoint;
  MakeElementFromTemplate(*doc, t, {});
  for (int i = 1; i < n; ++i) {
    auto& list = doc->elements();
    t.kind = i % 4 == 0 ? kFreePoint : (i % 2 ? kMidpoint : kSegment);
    t.value = {double(i), double(i % 7), 0, 0};
    if (t.kind != kFreePoint)
      t.parent = {list[i - 1].get(), list[std::max(0, i - 2)].get(), nullptr};
    MakeElementFromTemplate(*doc, t, {});
  }
  return doc;
}

void BM_RecomputeAll(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  for (auto _ : state) RecomputeAll(*doc);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecomputeAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MarkAndRecomputeMarked(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ClearMarks(doc->elements());
    MarkDependents(*doc, *doc->first());
    RecomputeMarked(*doc);
  }
}
BENCHMARK(BM_MarkAndRecomputeMarked)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One undo step: the snapshot stored before a change.
void BM_UndoSnapshot(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto bytes = EncodeFigure(*doc->figure);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_UndoSnapshot)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Undo itself: the figure rebuilt from its snapshot.
void BM_UndoRestore(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  const std::string bytes = EncodeFigure(*doc->figure);
  for (auto _ : state) {
    auto fig = DecodeFigure(bytes);
    benchmark::DoNotOptimize(fig.get());
  }
}
BENCHMARK(BM_UndoRestore)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A deep copy of the list with references rebuilt (copying constructions).
void BM_CopyFigure(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto copy = CopyFigure(*doc->figure);
    benchmark::DoNotOptimize(copy.get());
  }
}
BENCHMARK(BM_CopyFigure)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_NumberingAndReferences(benchmark::State& state) {
  auto doc = Chain(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Renumber(doc->elements());
    StoreReferenceNumbers(doc->elements());
    ResolveReferences(doc->elements());
  }
}
BENCHMARK(BM_NumberingAndReferences)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
