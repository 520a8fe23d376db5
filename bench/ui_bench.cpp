// A drag step of the move tool: the pointer moves one pixel with a free point held, every
// element depends on it, the marked elements are recomputed and the picture redrawn.
#include <benchmark/benchmark.h>

#include <cmath>

#include "model/create.h"
#include "ui/interaction.h"
#include "view/redraw.h"

#ifdef VELT_BENCH_QT
#include <QGuiApplication>

#include "qt_canvas.h"
#endif

namespace velt {
namespace {

// A host whose repaint draws the document into a 1920 x 1080 picture when Qt is there.
class DrawingHost : public Host {
 public:
  explicit DrawingHost(Workspace& ws) : ws_(ws) {}
  SaveAnswer AskSaveChanges(Document&) override { return SaveAnswer::No; }
  bool SaveDocument(Document&) override { return true; }
  void ShowMessage(const std::string&, MessageIcon) override {}
  void SetStatus(int, const std::string&) override {}
  void SetBlinking(bool) override {}
  void SetButtonTimer(int) override {}
  void ToolChanged(Tool) override {}
  void CommandsChanged() override {}
  void Repaint() override {
#ifdef VELT_BENCH_QT
    if (canvas) RedrawAll(ws_.doc(), *canvas, DrawOptions{});
#endif
  }
#ifdef VELT_BENCH_QT
  std::unique_ptr<QtCanvas> canvas;
#endif

 private:
  Workspace& ws_;
};

Element* Make(Document& doc, int32_t kind, Element* a, Element* b, std::array<double, 4> v = {}) {
  ElementTemplate t;
  t.kind = kind;
  t.parent = {a, b, nullptr};
  t.value = v;
  return MakeElementFromTemplate(doc, t, {});
}

// A free point A and `count` elements built on it: midpoints walking towards a second point
// and a segment from A to each midpoint, spread over the view.
void BuildFan(Document& doc, int count) {
  Element* a = Make(doc, kFreePoint, nullptr, nullptr, {0, 0, 0, 0});
  for (int i = 0; i < count / 2; ++i) {
    const double angle = 6.283 * i / (count / 2);
    Element* b = Make(doc, kFreePoint, nullptr, nullptr,
                      {400 * std::cos(angle), 400 * std::sin(angle), 0, 0});
    Element* m = Make(doc, kMidpoint, a, b);
    Make(doc, kSegment, a, m);
  }
}

void DragStep(benchmark::State& state, bool draw) {
  Workspace ws;
  ws.clientWidth = 1920;
  ws.clientHeight = 1080;
  ws.CentreView(ws.doc());
  DrawingHost host(ws);
#ifdef VELT_BENCH_QT
  static int argc = 1;
  static char name[] = "velt_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  if (draw) host.canvas = std::make_unique<QtCanvas>(1920, 1080);
#else
  if (draw) {
    state.SkipWithError("no Qt canvas in this build");
    return;
  }
#endif
  Interaction ix(ws, host);
  BuildFan(ws.doc(), static_cast<int>(state.range(0)));
  ws.RecomputeAll();
  // Press on A (at pixel 960, 540) and start the drag outside the timing.
  ix.MouseMove(960, 540, {}, false);
  ix.MouseDown(MouseButton::Left, 960, 540, {});
  ix.MouseMove(961, 540, {}, true);
  int step = 0;
  for (auto _ : state) {
    ix.MouseMove(960 + (++step % 2), 540, {}, true);
  }
  ix.MouseUp(MouseButton::Left, 960, 540, {});
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DragStepRecompute(benchmark::State& state) { DragStep(state, false); }
void BM_DragStepRecomputeAndRedraw(benchmark::State& state) { DragStep(state, true); }

BENCHMARK(BM_DragStepRecompute)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStepRecomputeAndRedraw)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
