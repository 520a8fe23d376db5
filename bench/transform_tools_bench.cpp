// The preview of the central symmetry tool chosen with a selection of segments: built again
// at every pointer move, so its time bounds how large a selection still gets one.
#include <benchmark/benchmark.h>

#include <cmath>

#include "geometry/recompute.h"
#include "model/create.h"
#include "ui/interaction.h"

namespace velt {
namespace {

class NullHost : public Host {
 public:
  SaveAnswer AskSaveChanges(Document&) override { return SaveAnswer::No; }
  bool SaveDocument(Document&) override { return true; }
  void ShowMessage(const std::string&, MessageIcon) override {}
  void SetStatus(int, const std::string&) override {}
  void SetBlinking(bool) override {}
  void SetButtonTimer(int) override {}
  void ToolChanged(Tool) override {}
  void CommandsChanged() override {}
  void Repaint() override {}
};

Element* Point(Document& doc, double x, double y) {
  ElementTemplate t;
  t.kind = kFreePoint;
  t.value = {x, y, 0, 0};
  return MakeElementFromTemplate(doc, t, {});
}

// `count` selected segments, each on two free points of its own.
void BM_CentralSymmetryPreviewOfASelection(benchmark::State& state) {
  Workspace ws;
  NullHost host;
  Interaction ix(ws, host);
  Document& doc = ws.doc();
  for (int i = 0; i < state.range(0); ++i) {
    const double a = 0.001 * i;
    ElementTemplate t;
    t.kind = kSegment;
    t.parent = {Point(doc, 100 * std::cos(a), 100 * std::sin(a)),
                Point(doc, 200 * std::cos(a), 200 * std::sin(a)), nullptr};
    MakeElementFromTemplate(doc, t, {})->selected = 1;
  }
  RecomputeAll(doc);
  ix.SelectTool(Tool::B_Punto_Sim);
  double x = 0;
  size_t drawn = 0;
  for (auto _ : state) {
    ix.MouseMove(x, 250, {}, false);  // detection under the pointer, as a real move does
    drawn = ix.Preview().drawn.size();
    benchmark::DoNotOptimize(drawn);
    x = x < 700 ? x + 1 : 0;
  }
  state.counters["drawn"] = static_cast<double>(drawn);
}
BENCHMARK(BM_CentralSymmetryPreviewOfASelection)
    ->Arg(500)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
