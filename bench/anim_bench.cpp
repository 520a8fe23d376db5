// One animation tick of a figure with 10,000 dependents of the animated point: the step,
// the whole recompute and the redraw, as the animation window's clock runs it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

#include "anim/animation.h"
#include "bench_figures.h"
#include "model/create.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

#ifdef VELT_BENCH_QT
#include <QGuiApplication>

#include "qt_canvas.h"
#endif

namespace velt {
namespace {

using bench::Make;

// A point running round a circle, and `dependents` elements built on it: midpoints between
// it and points spread round the view, and segments from it to those midpoints.
std::unique_ptr<Document> RunningPointFigure(int dependents) {
  auto doc = std::make_unique<Document>();
  doc->viewLeft = -512;
  doc->viewTop = 384;
  doc->viewRight = 512;
  doc->viewBottom = -384;
  doc->backgroundColour = 0xFFFFFF;
  Element* centre = Make(*doc, kFreePoint, {}, {0, 0, 0, 0});
  Element* on = Make(*doc, kFreePoint, {}, {150, 0, 0, 0});
  Element* circle = Make(*doc, kCircleCentrePoint, {centre, on});
  Element* p = Make(*doc, kPointOnElement, {circle}, {150, 0, 0, 0});
  for (int i = 0; i < dependents / 2; ++i) {
    const double a = i * 0.01;
    Element* f = Make(*doc, kFreePoint, {}, {350 * std::cos(a), 350 * std::sin(a), 0, 0});
    Element* m = Make(*doc, kMidpoint, {p, f});
    Make(*doc, kSegment, {p, m});
  }
  doc->figure->animations.push_back(Animation{p, 1, 0, 30});
  return doc;
}

void BM_AnimationTickRecorded(benchmark::State& state) {
  auto doc = RunningPointFigure(static_cast<int>(state.range(0)));
  RecordingCanvas canvas(1024, 768);
  for (auto _ : state) {
    canvas.Reset();
    AnimationTick(*doc);
    RedrawAll(*doc, canvas, DrawOptions{});
  }
}
BENCHMARK(BM_AnimationTickRecorded)->Arg(10000)->Unit(benchmark::kMillisecond);

#ifdef VELT_BENCH_QT
void BM_AnimationTickQt(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "velt_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Other benchmarks of this program may have made the application already.
  static QGuiApplication* app =
      QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
  benchmark::DoNotOptimize(app);
  auto doc = RunningPointFigure(static_cast<int>(state.range(0)));
  QtCanvas canvas(1024, 768);
  for (auto _ : state) {
    AnimationTick(*doc);
    RedrawAll(*doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_AnimationTickQt)->Arg(10000)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace velt
