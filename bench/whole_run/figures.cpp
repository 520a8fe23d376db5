// velt-bench-figures: the figures of bench/whole_run.sh, built through the model and saved as
// documents, and a timer of one undo and one redo in a fresh process.
//
//   velt-bench-figures chain N OUT    two free points and N midpoints, each of the previous
//                                     two points of the chain
//   velt-bench-figures circles N OUT  N elements in groups of eight: a circle by centre and
//                                     point, a line through two points and both points where
//                                     the line cuts the circle
//   velt-bench-figures mixed N OUT    N elements: free points, midpoints, segments, lines,
//                                     circles, intersections, and every 200th element a
//                                     quadrilateral with its sides or a name
//   velt-bench-figures undo FILE      loads FILE, records an undo step, adds a point, then
//                                     prints the milliseconds of one undo and one redo (each
//                                     with the recompute that follows it), wall and CPU
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <numbers>
#include <string>

#include "geometry/intersection_codes.h"
#include "geometry/recompute.h"
#include "io/document_file.h"
#include "model/create.h"
#include "model/undo.h"

namespace velt {
namespace {

Element* Make(Document& doc, int32_t kind, Element* p, Element* q, std::array<double, 4> v = {}) {
  ElementTemplate t;
  t.kind = kind;
  t.parent = {p, q, nullptr};
  t.value = v;
  return MakeElementFromTemplate(doc, t, {});
}

Element* Point(Document& doc, double x, double y) {
  return Make(doc, kFreePoint, nullptr, nullptr, {x, y, 0, 0});
}

Element* Cut(Document& doc, Element* a, Element* b, int solution) {
  const auto plan = ClassifyIntersection(a->type(), b->type(), solution);
  ElementTemplate t;
  t.kind = kIntersection;
  t.parent = {plan->swapped ? b : a, plan->swapped ? a : b, nullptr};
  t.attr1 = plan->code;
  return MakeElementFromTemplate(doc, t, {});
}

void Chain(Document& doc, int n) {
  Element* a = Point(doc, -300, -200);
  Element* b = Point(doc, 300, 250);
  for (int i = 0; i < n; ++i) {
    Element* m = Make(doc, kMidpoint, a, b);
    a = b;
    b = m;
  }
}

void Circles(Document& doc, int n) {
  for (int i = 0; i + 8 <= n; i += 8) {
    const double u = 2 * std::numbers::pi * i / n;
    const double cx = 200 * std::cos(u), cy = 200 * std::sin(u);
    Element* c = Point(doc, cx, cy);
    Element* r = Point(doc, cx + 40 + i % 50, cy);
    Element* circle = Make(doc, kCircleCentrePoint, c, r);
    Element* p = Point(doc, cx - 90, cy - 30 + i % 40);
    Element* q = Point(doc, cx + 90, cy + 20 - i % 30);
    Element* line = Make(doc, kLineTwoPoints, p, q);
    Cut(doc, circle, line, 0);
    Cut(doc, circle, line, 1);
  }
}

void Mixed(Document& doc, int n) {
  Element* a = Point(doc, 0, 0);
  Element* b = Point(doc, 100, 50);
  Element* circle = nullptr;
  Element* line = nullptr;
  int i = 2;
  while (i < n) {
    const double x = (i * 37) % 800 - 400, y = (i * 53) % 600 - 300;
    Element* e = nullptr;
    if (i % 200 == 1 && n - i >= 5) {
      ElementTemplate t;
      t.kind = kPolygon;
      t.picks = {a, b, Point(doc, x, y), Point(doc, y, x), nullptr};
      e = MakeElementFromTemplate(doc, t, {});
      i += 2;
    } else if (i % 200 == 3) {
      ElementTemplate t;
      t.kind = kName;
      t.parent = {b, nullptr, nullptr};
      e = MakeElementFromTemplate(doc, t, {});
      e->as<NameExt>()->text = "P" + std::to_string(i);
    } else {
      switch (i % 8) {
        case 0: e = Point(doc, x, y); break;
        case 1: e = Make(doc, kMidpoint, a, b); break;
        case 2: e = Make(doc, kSegment, a, b); break;
        case 3: e = line = Make(doc, kLineTwoPoints, a, b); break;
        case 4: e = circle = Make(doc, kCircleCentrePoint, b, a); break;
        case 5: e = circle && line ? Cut(doc, circle, line, i % 16 == 5) : Point(doc, y, x); break;
        case 6: e = Make(doc, kPerpendicular, line ? line : Make(doc, kSegment, a, b), b); break;
        default: e = Point(doc, y, x); break;
      }
    }
    if (e->type() == kTypePoint) {
      a = b;
      b = e;
    }
    i = static_cast<int>(doc.elements().size());
  }
}

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

// Processor time of this process since c0 (it does not count the time other processes take).
double CpuMilliseconds(std::clock_t c0) {
  return 1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
}

int TimeUndo(const char* path) {
  DocumentLoad load = LoadDocumentFile(PathFromUtf8(path), Options{});
  if (!load.document) {
    std::fprintf(stderr, "velt-bench-figures: %s: not loaded\n", path);
    return 2;
  }
  Document& doc = *load.document;
  RecomputeAll(doc);
  StoreUndoStep(doc);
  Point(doc, 1, 2);
  RecomputeAll(doc);
  const size_t after = doc.elements().size();

  auto t0 = std::chrono::steady_clock::now();
  std::clock_t c0 = std::clock();
  if (!Undo(doc)) return 1;
  RecomputeAll(doc);
  const double undo = Milliseconds(t0), undoCpu = CpuMilliseconds(c0);
  const size_t undone = doc.elements().size();

  t0 = std::chrono::steady_clock::now();
  c0 = std::clock();
  if (!Redo(doc)) return 1;
  RecomputeAll(doc);
  const double redo = Milliseconds(t0), redoCpu = CpuMilliseconds(c0);
  if (undone + 1 != after || doc.elements().size() != after) {
    std::fprintf(stderr, "velt-bench-figures: undo and redo did not restore the lists\n");
    return 1;
  }
  std::printf("undo %.3f ms, redo %.3f ms (cpu %.3f ms, %.3f ms) (%zu elements)\n", undo, redo,
              undoCpu, redoCpu, undone);
  return 0;
}

}  // namespace
}  // namespace velt

int main(int argc, char** argv) {
  using namespace velt;
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "undo" && argc == 3) return TimeUndo(argv[2]);
  if (argc != 4) {
    std::fprintf(stderr, "usage: velt-bench-figures chain|circles|mixed N OUT | undo FILE\n");
    return 1;
  }
  const int n = std::atoi(argv[2]);
  auto doc = MakeDocument(Options{});
  if (what == "chain") {
    Chain(*doc, n);
  } else if (what == "circles") {
    Circles(*doc, n);
  } else if (what == "mixed") {
    Mixed(*doc, n);
  } else {
    std::fprintf(stderr, "velt-bench-figures: unknown figure %s\n", what.c_str());
    return 1;
  }
  RecomputeAll(*doc);
  return SaveDocumentFile(*doc, PathFromUtf8(argv[3])) ? 0 : 5;
}
