// Benchmarks of iterations: a segment turned about a point, repeated until it makes 100,000
// copies (computed alone, and drawn), and a drag of an initial point with 10,000 copies (the
// marked recompute, which makes a new working copy, and the redraw of the copies).
#include <benchmark/benchmark.h>

#include "anim/iteration_setup.h"
#include "anim/iteration_walk.h"
#include "bench_figures.h"
#include "geometry/recompute.h"
#include "model/dependents.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

using bench::Make;

// A spiral of segments: AB turned by 0.01 rad about O and shrunk never, `copies` times.
struct Spiral {
  Document doc;
  Element* a = nullptr;
  Element* it = nullptr;
  explicit Spiral(int copies) {
    Element* o = Make(doc, kFreePoint, {}, {0, 0, 0, 0});
    Element* angle = Make(doc, kParameter, {});
    angle->value[0] = 0.01;
    a = Make(doc, kFreePoint, {}, {100, 0, 0, 0});
    Element* b = Make(doc, kFreePoint, {}, {250, 20, 0, 0});
    Make(doc, kSegment, {a, b, nullptr});
    Element* c = Make(doc, kPointRotation, {a, o, angle});
    Element* d = Make(doc, kPointRotation, {b, o, angle});
    IterationSetup s;
    s.sets = {{a, b}, {c, d}};
    s.fixedCount = copies;
    ElementTemplate t = IterationTemplate(doc, s);
    it = MakeElementFromTemplate(doc, t, {});
    FillIteration(*it, s);
    RecomputeAll(doc);
  }
};

void BM_IterationCopies(benchmark::State& state) {
  Spiral s(static_cast<int>(state.range(0)));
  int64_t copies = 0;
  for (auto _ : state) {
    copies = ForEachDrawnCopy(s.doc, *s.it,
                              [](const Element&, const Document&, int32_t) { return true; });
    benchmark::DoNotOptimize(copies);
  }
  state.counters["copies"] = static_cast<double>(copies);
}
BENCHMARK(BM_IterationCopies)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_IterationDraw(benchmark::State& state) {
  Spiral s(static_cast<int>(state.range(0)));
  RecordingCanvas canvas(800, 600);
  for (auto _ : state) {
    canvas.Reset();
    DrawDocument(ScreenContext(s.doc, canvas, DrawOptions{}));
    benchmark::DoNotOptimize(canvas.Calls().size());
  }
  state.counters["calls"] = static_cast<double>(canvas.Calls().size());
}
BENCHMARK(BM_IterationDraw)->Arg(100000)->Unit(benchmark::kMillisecond);

// One step of a drag of A: the marked recompute (the iteration makes a new working copy),
// then the redraw of the whole figure.
void BM_IterationDragStep(benchmark::State& state) {
  Spiral s(static_cast<int>(state.range(0)));
  RecordingCanvas canvas(800, 600);
  ClearMarks(s.doc.elements());
  MarkDependents(s.doc, *s.a);
  double x = 100;
  for (auto _ : state) {
    x = x > 150 ? 100 : x + 1;
    s.a->value[0] = x;
    RecomputeDragged(s.doc, s.a);
    canvas.Reset();
    DrawDocument(ScreenContext(s.doc, canvas, DrawOptions{}));
    benchmark::DoNotOptimize(canvas.Calls().size());
  }
}
BENCHMARK(BM_IterationDragStep)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
