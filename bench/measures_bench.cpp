// Measurements: a full recompute of a figure with 10,000 measurements and equations plus the
// texts of their labels, and a redraw of a figure with 2,000 labels.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

#include "geometry/recompute.h"
#include "model/create.h"
#include "view/label_text.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"
#include "view/svg_canvas.h"

#ifdef VELT_BENCH_QT
#include <QGuiApplication>

#include "qt_canvas.h"
#endif

namespace velt {
namespace {

Element* Make(Document& doc, int32_t kind, std::initializer_list<Element*> parents,
              std::array<double, 4> values = {}, std::initializer_list<Element*> picks = {}) {
  ElementTemplate t;
  t.kind = kind;
  int i = 0;
  for (Element* p : parents) t.parent[i++] = p;
  t.value = values;
  t.picks.assign(picks.begin(), picks.end());
  return MakeElementFromTemplate(doc, t, {});
}

// Groups of three points with a segment, a circle and a triangle, measured by ten number
// elements each (distances, lengths, perimeter, areas, angles, slope, proportion) and, one
// group in two, the coordinates of a point and the equations of the segment's line and of
// the circle. The labels are spread over a 1920 × 1080 view.
struct MeasuredFigure {
  std::unique_ptr<Document> doc = std::make_unique<Document>();
  std::vector<const Element*> labels;
};

MeasuredFigure Measured(int measures, bool shapesShown = true) {
  MeasuredFigure f;
  Document& doc = *f.doc;
  doc.viewLeft = -960;
  doc.viewTop = 540;
  doc.viewRight = 960;
  doc.viewBottom = -540;
  doc.angleUnit = 1;
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> x(-900, 900), y(-500, 500), near(-60, 60);
  Element* axes = Make(doc, kAxes, {Make(doc, kFreePoint, {})});
  int group = 0;
  auto label = [&](Element* e) {
    e->value[2] = x(rng);
    e->value[3] = y(rng);
    f.labels.push_back(e);
  };
  while (static_cast<int>(f.labels.size()) < measures) {
    const double cx = x(rng), cy = y(rng);
    auto point = [&] { return Make(doc, kFreePoint, {}, {cx + near(rng), cy + near(rng), 0, 0}); };
    Element *a = point(), *b = point(), *c = point();
    Element* segment = Make(doc, kSegment, {a, b});
    Element* circle = Make(doc, kCircleCentrePoint, {a, c});
    Element* triangle = Make(doc, kPolygon, {}, {}, {a, b, c, nullptr});
    for (Element* m :
         {Make(doc, kDistancePointPoint, {a, b}), Make(doc, kDistancePointLine, {c, segment}),
          Make(doc, kLengthSegment, {segment}), Make(doc, kLengthCircle, {circle}),
          Make(doc, kPerimeter, {triangle}), Make(doc, kAreaCircle, {circle}),
          Make(doc, kAreaPolygon, {triangle}), Make(doc, kAngleValue, {a, b, c}),
          Make(doc, kSlope, {segment}), Make(doc, kProportion, {a, b, c})})
      label(m);
    if (++group % 2 == 0) {
      label(Make(doc, kCoordinates, {c, axes}));
      label(Make(doc, kEquationLine, {segment, axes}));
      label(Make(doc, kEquationCircle, {circle, axes}));
    }
  }
  if (!shapesShown)
    for (auto& e : doc.elements())
      if (e->type() != kTypeNumber && e->type() != kTypeEquation && e->type() != kTypeCoordinates)
        e->visibility = 0;
  RecomputeAll(doc);
  return f;
}

void BM_MeasuresRecomputeAndTexts(benchmark::State& state) {
  MeasuredFigure f = Measured(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state) {
    RecomputeAll(*f.doc);
    for (const Element* e : f.labels) bytes += LabelTextOf(*f.doc, *e).size();
  }
  benchmark::DoNotOptimize(bytes);
  state.counters["labels"] = static_cast<double>(f.labels.size());
  state.counters["elements"] = static_cast<double>(f.doc->elements().size());
}
BENCHMARK(BM_MeasuresRecomputeAndTexts)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_LabelTextsOnly(benchmark::State& state) {
  MeasuredFigure f = Measured(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state)
    for (const Element* e : f.labels) bytes += LabelTextOf(*f.doc, *e).size();
  benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_LabelTextsOnly)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RedrawLabelsRecorded(benchmark::State& state) {
  MeasuredFigure f = Measured(static_cast<int>(state.range(0)));
  RecordingCanvas canvas(1920, 1080);
  for (auto _ : state) {
    canvas.Reset();
    RedrawAll(*f.doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Calls().size());
  }
}
BENCHMARK(BM_RedrawLabelsRecorded)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_RedrawLabelsSvg(benchmark::State& state) {
  MeasuredFigure f = Measured(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    SvgCanvas canvas(1920, 1080);
    RedrawAll(*f.doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Document().size());
  }
}
BENCHMARK(BM_RedrawLabelsSvg)->Arg(2000)->Unit(benchmark::kMillisecond);

#ifdef VELT_BENCH_QT
void BM_RedrawLabelsQt(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "velt_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(argc, argv);
  MeasuredFigure f = Measured(static_cast<int>(state.range(0)), state.range(1) != 0);
  QtCanvas canvas(1920, 1080);
  for (auto _ : state) {
    RedrawAll(*f.doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
// The second argument: 1 with the measured shapes drawn, 0 with only the labels.
BENCHMARK(BM_RedrawLabelsQt)->Args({2000, 1})->Args({2000, 0})->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace velt
