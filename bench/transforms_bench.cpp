// Benchmarks of the transformations: a whole selection rotated (the new elements made and
// computed, then the figure recomputed), and a figure of many image points recomputed.
#include <benchmark/benchmark.h>

#include "bench_figures.h"
#include "geometry/figure_transform.h"
#include "geometry/recompute.h"
#include "model/create.h"
#include "model/dependents.h"

namespace velt {
namespace {

using bench::Make;

Element* Point(Document& doc, double x, double y) {
  return Make(doc, kFreePoint, {}, {x, y, 0, 0});
}

struct Scene {
  std::unique_ptr<Document> doc = std::make_unique<Document>();
  std::vector<Element*> selection;
  Element* centre = nullptr;
  Element* angle = nullptr;
};

// n objects in groups of ten: four segments of a polyline (sharing their ends), three circles
// through a centre and a point, three quadrilaterals. Rotation by 30 degrees about a point.
Scene SegmentsCirclesPolygons(int n) {
  Scene f;
  Document& doc = *f.doc;
  doc.angleUnit = 1;
  f.centre = Point(doc, 3, -2);
  f.angle = Make(doc, kParameter, {});
  f.angle->value[0] = 30;
  Element* last = Point(doc, 0, 0);
  for (int i = 0; static_cast<int>(f.selection.size()) < n; ++i) {
    const double x = (i % 100) * 7.0, y = (i / 100) * 7.0;
    for (int k = 0; k < 4; ++k) {
      Element* next = Point(doc, x + k, y + (k % 2));
      f.selection.push_back(Make(doc, kSegment, {last, next, nullptr}));
      last = next;
    }
    for (int k = 0; k < 3; ++k) {
      Element* c = Point(doc, x + k, y + 3);
      Element* q = Point(doc, x + k + 0.5, y + 3);
      f.selection.push_back(Make(doc, kCircleCentrePoint, {c, q, nullptr}));
    }
    for (int k = 0; k < 3; ++k) {
      std::vector<Element*> v{Point(doc, x + k, y + 5), Point(doc, x + k + 1, y + 5),
                              Point(doc, x + k + 1, y + 6), Point(doc, x + k, y + 6)};
      f.selection.push_back(Make(doc, kPolygon, {}, {}, std::move(v)));
    }
  }
  f.selection.resize(static_cast<size_t>(n));
  RecomputeAll(doc);
  return f;
}

// One use of the rotation tool on the selection: the image figure made and computed (the
// only recompute it needs), and with the second argument the whole figure recomputed once
// more, as a caller that recomputes everything after a change does. The new elements are
// removed between runs.
void BM_RotateSelection(benchmark::State& state) {
  Scene f = SegmentsCirclesPolygons(static_cast<int>(state.range(0)));
  Document& doc = *f.doc;
  const size_t before = doc.elements().size();
  const Transformation rotation{kPointRotation, f.centre, f.angle};
  size_t made = 0;
  for (auto _ : state) {
    made = TransformFigure(doc, f.selection, rotation, {}).size();
    if (state.range(1)) RecomputeAll(doc);
    state.PauseTiming();
    doc.elements().resize(before);
    state.ResumeTiming();
  }
  state.counters["new elements"] = static_cast<double>(made);
  state.counters["figure"] = static_cast<double>(before + made);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RotateSelection)
    ->ArgNames({"objects", "recompute all"})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond);

// n image points of 2,000 free points: the six transformations in turn, or rotations only.
Scene ImagePoints(int n, bool rotationsOnly) {
  Scene f;
  Document& doc = *f.doc;
  doc.angleUnit = 1;
  f.centre = Point(doc, 3, -2);
  f.angle = Make(doc, kParameter, {});
  f.angle->value[0] = 30;
  Element* ratio = Make(doc, kParameter, {});
  ratio->value[0] = -1.5;
  Element* a = Point(doc, -4, 1);
  Element* b = Point(doc, 5, 2);
  Element* axis = Make(doc, kLineTwoPoints, {a, b, nullptr});
  Element* circle = Make(doc, kCircleCentrePoint, {f.centre, b, nullptr});
  std::vector<Element*> sources;
  for (int i = 0; i < 2000; ++i) sources.push_back(Point(doc, (i % 50) * 3.0, (i / 50) * 3.0));
  for (int i = 0; i < n; ++i) {
    Element* p = sources[static_cast<size_t>(i) % sources.size()];
    switch (rotationsOnly ? 3 : i % 6) {
      case 0: Make(doc, kPointCentralSymmetry, {p, f.centre, nullptr}); break;
      case 1: Make(doc, kPointAxialSymmetry, {p, axis, nullptr}); break;
      case 2: Make(doc, kPointTranslation, {p, a, b}); break;
      case 3: Make(doc, kPointRotation, {p, f.centre, f.angle}); break;
      case 4: Make(doc, kPointHomothety, {p, f.centre, ratio}); break;
      default: Make(doc, kPointInversion, {circle, p, nullptr}); break;
    }
  }
  RecomputeAll(doc);
  return f;
}

void BM_ImagePointsRecomputeAll(benchmark::State& state) {
  Scene f = ImagePoints(static_cast<int>(state.range(0)), state.range(1) != 0);
  double x = 3;
  for (auto _ : state) {
    f.centre->value[0] = (x += 0.25);
    RecomputeAll(*f.doc);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImagePointsRecomputeAll)
    ->ArgNames({"points", "rotations only"})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

// A drag of the centre: every image that hangs on it is marked once, then recomputed per move.
void BM_ImagePointsDragCentre(benchmark::State& state) {
  Scene f = ImagePoints(static_cast<int>(state.range(0)), false);
  ClearMarks(f.doc->elements());
  MarkDependents(*f.doc, *f.centre);
  double x = 3;
  for (auto _ : state) {
    f.centre->value[0] = (x += 0.25);
    RecomputeMarked(*f.doc);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImagePointsDragCentre)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
