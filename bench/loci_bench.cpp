// Benchmarks of loci: many loci recomputed whole and as a drag of the point they all hang
// on, and the redraw of a locus swept over the instances of a conic.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_figures.h"
#include "geometry/recompute.h"
#include "model/create.h"
#include "model/dependents.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

using bench::Make;

// `loci` loci of `samples` samples. Each is driven by a point on its own circle and traces
// the end of a chain of 10 constructions (midpoints, alternately with the shared point O
// and with a point of the chain's own) built on the driver. Returns O.
Element* ManyLoci(Document& doc, int loci, int samples) {
  Element* o = Make(doc, kFreePoint, {}, {-20, 10, 0, 0});
  for (int k = 0; k < loci; ++k) {
    const double cx = (k % 10) * 70 - 300, cy = (k / 10) * 60 - 270;
    Element* c = Make(doc, kFreePoint, {}, {cx, cy, 0, 0});
    Element* rim = Make(doc, kFreePoint, {}, {cx + 25, cy, 0, 0});
    Element* circle = Make(doc, kCircleCentrePoint, {c, rim, nullptr});
    Element* p = Make(doc, kPointOnElement, {circle, nullptr, nullptr}, {0, 0, 0, 0.1 * k});
    Element* q = Make(doc, kFreePoint, {}, {cx + 5, cy - 7, 0, 0});
    Element* at = p;
    for (int i = 0; i < 10; ++i) at = Make(doc, kMidpoint, {at, i % 2 ? q : o, nullptr});
    Element* locus = Make(doc, kLocus, {at, p, nullptr});
    locus->as<SampleExt>()->sampleCount = samples;
  }
  RecomputeAll(doc);
  return o;
}

void BM_LociRecomputeAll(benchmark::State& state) {
  Document doc;
  Element* o = ManyLoci(doc, 100, static_cast<int>(state.range(0)));
  double x = 0;
  for (auto _ : state) {
    o->value[0] = (x += 0.5);
    RecomputeAll(doc);
  }
  state.SetItemsProcessed(state.iterations() * 100 * state.range(0));
}
BENCHMARK(BM_LociRecomputeAll)->Arg(500)->Unit(benchmark::kMillisecond);

// One step of a drag of O: every locus is marked and resampled.
void BM_LociDragStep(benchmark::State& state) {
  Document doc;
  Element* o = ManyLoci(doc, 100, static_cast<int>(state.range(0)));
  ClearMarks(doc.elements());
  o->mark = 1;
  MarkDependents(doc, *o);
  double x = 0;
  for (auto _ : state) {
    o->value[1] = (x += 0.5);
    RecomputeMarked(doc);
  }
}
BENCHMARK(BM_LociDragStep)->Arg(500)->Unit(benchmark::kMillisecond);

// A conic through five points, one of them running on a circle, and the locus of that
// conic: 30 instances recomputed and drawn at each redraw.
void BM_SweptConicLocusRedraw(benchmark::State& state) {
  Document doc;
  std::array<Element*, 5> five{};
  for (int i = 0; i < 4; ++i)
    five[i] = Make(doc, kFreePoint, {}, {150 * std::cos(1.3 * i), 80 * std::sin(1.3 * i), 0, 0});
  Element* c = Make(doc, kFreePoint, {}, {0, -120, 0, 0});
  Element* rim = Make(doc, kFreePoint, {}, {30, -120, 0, 0});
  Element* circle = Make(doc, kCircleCentrePoint, {c, rim, nullptr});
  five[4] = Make(doc, kPointOnElement, {circle, nullptr, nullptr}, {0, 0, 0, 1});
  ElementTemplate t;
  t.kind = kConic;
  t.picks.assign(five.begin(), five.end());
  Element* conic = MakeElementFromTemplate(doc, t, {});
  Make(doc, kLocus, {conic, five[4], nullptr});
  RecomputeAll(doc);
  RecordingCanvas canvas(1920, 1080);
  for (auto _ : state) {
    canvas.Reset();
    RedrawAll(doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Calls().size());
  }
}
BENCHMARK(BM_SweptConicLocusRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
