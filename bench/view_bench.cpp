// A full redraw of many visible elements of mixed types into a 1920 × 1080 picture.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <random>

#include "model/create.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"
#include "view/svg_canvas.h"

#ifdef VELT_BENCH_QT
#include <QGuiApplication>

#include "picture_export.h"
#include "qt_canvas.h"
#endif

namespace velt {
namespace {

Element* Make(Document& doc, int32_t kind, std::initializer_list<Element*> parents,
              std::initializer_list<Element*> picks = {}) {
  ElementTemplate t;
  t.kind = kind;
  int i = 0;
  for (Element* p : parents) t.parent[i++] = p;
  t.picks.assign(picks.begin(), picks.end());
  return MakeElementFromTemplate(doc, t, {});
}

// Points, segments, lines, circles, filled triangles, angle marks and vectors spread over
// the view, all shown. Each construction of three points and one figure lies within
// 120 units of its own spot, as the parts of a real figure do.
std::unique_ptr<Document> MixedFigure(int count) {
  auto doc = std::make_unique<Document>();
  doc->viewLeft = -960;
  doc->viewTop = 540;
  doc->viewRight = 960;
  doc->viewBottom = -540;
  doc->backgroundColour = 0xFFFFFF;
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> x(-900, 900), y(-500, 500), near(-60, 60), r(5, 80);
  double cx = 0, cy = 0;
  auto point = [&] {
    Element* p = Make(*doc, kFreePoint, {});
    p->value = {cx + near(rng), cy + near(rng), 0, 0};
    return p;
  };
  int made = 0;
  while (made < count) {
    cx = x(rng);
    cy = y(rng);
    Element* a = point();
    Element* b = point();
    Element* c = point();
    made += 3;
    Element* e = nullptr;
    switch (made / 3 % 6) {
      case 0: e = Make(*doc, kSegment, {a, b}); break;
      case 1: e = Make(*doc, kLineTwoPoints, {a, b}); break;
      case 2:
        e = Make(*doc, kCircleCentre, {a});
        e->value = {a->x(), a->y(), a->x(), a->y() + r(rng)};
        break;
      case 3:
        e = Make(*doc, kPolygon, {}, {a, b, c});
        e->attr1 = 0xA0E0A0;
        break;
      case 4: {
        e = Make(*doc, kAngleMark, {a, b, c});
        const double u = std::atan2(a->y() - b->y(), a->x() - b->x());
        const double w = std::atan2(c->y() - b->y(), c->x() - b->x());
        e->value = {std::fmod(w - u + 4 * M_PI, 2 * M_PI), 0.1, 20, 0};
        break;
      }
      default: e = Make(*doc, kVector, {a, b}); break;
    }
    if (e->type() != kTypeCircle && e->type() != kTypeAngle)
      e->value = {a->x(), a->y(), b->x(), b->y()};
    ++made;
  }
  return doc;
}

void BM_RedrawAllSvg(benchmark::State& state) {
  auto doc = MixedFigure(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    SvgCanvas canvas(1920, 1080);
    RedrawAll(*doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Document().size());
  }
}
BENCHMARK(BM_RedrawAllSvg)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RedrawAllRecorded(benchmark::State& state) {
  auto doc = MixedFigure(static_cast<int>(state.range(0)));
  RecordingCanvas canvas(1920, 1080);
  for (auto _ : state) {
    canvas.Reset();
    RedrawAll(*doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Calls().size());
  }
}
BENCHMARK(BM_RedrawAllRecorded)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

#ifdef VELT_BENCH_QT
void BM_RedrawAllQt(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "velt_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(argc, argv);
  auto doc = MixedFigure(static_cast<int>(state.range(0)));
  QtCanvas canvas(1920, 1080);
  for (auto _ : state) {
    RedrawAll(*doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_RedrawAllQt)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same redraw with smoothed outlines, as for documents with the "AA" flag.
void BM_RedrawAllQtAntialiased(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "velt_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(argc, argv);
  auto doc = MixedFigure(static_cast<int>(state.range(0)));
  QtCanvas canvas(1920, 1080);
  canvas.SetAntialiased(true);
  for (auto _ : state) {
    RedrawAll(*doc, canvas, DrawOptions{});
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_RedrawAllQtAntialiased)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// "Exportar dibujo..." of the whole 1920 × 1080 view to the bytes of a file of each format.
void BM_ExportPicture(benchmark::State& state, PictureFormat format) {
  static int argc = 1;
  static char name[] = "velt_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(argc, argv);
  auto doc = MixedFigure(static_cast<int>(state.range(0)));
  DrawOptions opt;
  opt.mainPicture = false;
  size_t bytes = 0;
  for (auto _ : state) {
    bytes = PictureBytes(*doc, format, PixelBox{0, 0, 1920, 1080}, opt).size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_ExportPicture, svg, PictureFormat::kSvg)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportPicture, pdf, PictureFormat::kPdf)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportPicture, tikz, PictureFormat::kTikz)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportPicture, png, PictureFormat::kPng)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace velt
