// Numbers: 100 function graphs of 1,000 samples recomputed, and one step of a parameter's
// slider with 10,000 calculations built on it.
#include <benchmark/benchmark.h>

#include "expr/calculation.h"
#include "geometry/recompute.h"
#include "model/create.h"
#include "model/element_list.h"
#include "ui/construction_script.h"
#include "ui/parameter_edit.h"
#include "ui/workspace.h"

namespace {

using namespace velt;

void BM_HundredGraphsOfThousandSamples(benchmark::State& state) {
  Workspace ws;
  RunScript(ws, "tool B_N_ejes\nclick 0 0\ntool B_N_funcion\nexpression sin(x)*x+x^2/7\n");
  Document& d = ws.doc();
  Element* axes = d.elements()[1].get();
  Element* function = d.elements()[2].get();
  for (int i = 0; i < 100; ++i) {
    ElementTemplate t;
    t.kind = kFunctionGraph;
    t.parent = {function, axes, nullptr};
    t.value[0] = -10 - i * 0.01;
    t.value[1] = 10;
    Element* g = MakeElementFromTemplate(d, t, {});
    g->as<SampleExt>()->sampleCount = 1000;
  }
  for (auto _ : state) RecomputeAll(d);
}
BENCHMARK(BM_HundredGraphsOfThousandSamples)->Unit(benchmark::kMillisecond);

void BM_ParameterSliderStep(benchmark::State& state) {
  Document d;
  ElementTemplate t;
  t.kind = kParameter;
  CreationSettings settings;
  settings.parameterValue = 1;
  Element* p = MakeElementFromTemplate(d, t, settings);
  for (int i = 0; i < 10000; ++i) {
    ElementTemplate c;
    c.kind = kCalculation;
    c.picks = {p};
    Element* e = MakeElementFromTemplate(d, c, {});
    expr::DefineExpression(*e, "A*2+1", 0);
  }
  RecomputeAll(d);
  ParameterEdit edit(d, *p);
  int position = 0;
  for (auto _ : state) {
    position = (position + 7) % 1000;
    edit.SlideTo(position);
  }
}
BENCHMARK(BM_ParameterSliderStep)->Unit(benchmark::kMillisecond);

}  // namespace
