// Macros: applying a recorded construction of 1,000 elements, and loading a document that
// carries 100 macros.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "geometry/recompute.h"
#include "io/document_file.h"
#include "macros/macro_apply.h"
#include "macros/macro_check.h"
#include "macros/macro_record.h"
#include "model/create.h"

namespace velt {
namespace {

Element* Point(Document& doc, double x, double y) {
  ElementTemplate t;
  t.kind = kFreePoint;
  t.value = {x, y, 0, 0};
  return MakeElementFromTemplate(doc, t, {});
}

Element* Made(Document& doc, int32_t kind, Element* a, Element* b) {
  ElementTemplate t;
  t.kind = kind;
  t.parent = {a, b, nullptr};
  return MakeElementFromTemplate(doc, t, {});
}

// Three points and n elements built on them: midpoints of the two previous points, every
// fourth a segment and every eighth a perpendicular bisector; the last point is the final.
// The macro of it is recorded into the document.
std::unique_ptr<Document> DocumentWithMacro(int n) {
  auto doc = MakeDocument(Options{});
  std::vector<Element*> points = {Point(*doc, 0, 0), Point(*doc, 300, 10), Point(*doc, 40, 200)};
  const std::vector<Element*> initials = points;
  for (int i = 0; i < n; ++i) {
    Element* a = points[points.size() - 1];
    Element* b = points[points.size() - 3];
    if (i % 8 == 7)
      Made(*doc, kPerpendicularBisector, a, b);
    else if (i % 4 == 3)
      Made(*doc, kSegment, a, b);
    else
      points.push_back(Made(*doc, kMidpoint, a, b));
  }
  // Every element feeds the final: the segments and bisectors become finals too.
  std::vector<Element*> finals;
  for (size_t i = 3; i < doc->elements().size(); ++i)
    if (doc->elements()[i]->kind != kMidpoint) finals.push_back(doc->elements()[i].get());
  finals.push_back(points.back());
  RecordMacro(*doc, initials, finals, "chain");
  return doc;
}

void BM_ApplyMacro(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto doc = DocumentWithMacro(n);
  const bool recompute = state.range(1) != 0;
  const std::vector<Element*> picks = {Point(*doc, 5, 5), Point(*doc, 280, 40),
                                       Point(*doc, 60, 180)};
  const size_t base = doc->elements().size();
  for (auto _ : state) {
    const ApplyResult r = ApplyMacro(*doc, doc->macros[0], picks, {});
    if (recompute) RecomputeAll(*doc);
    benchmark::DoNotOptimize(r.first);
    state.PauseTiming();
    doc->elements().resize(base);
    state.ResumeTiming();
  }
  state.counters["recorded"] = static_cast<double>(doc->macros[0].elements.size());
}
// Arguments: recorded elements, whether the whole document is recomputed after.
BENCHMARK(BM_ApplyMacro)->Args({1000, 0})->Args({1000, 1})->Unit(benchmark::kMillisecond);

// A document of 1,000 elements carrying 100 macros of about 120 recorded elements each.
std::string HundredMacroDocumentBytes() {
  auto doc = DocumentWithMacro(1000);
  auto source = DocumentWithMacro(120);
  for (int i = 0; i < kMaxMacros - 1; ++i) {
    Macro copy;
    copy.header = source->macros[0].header;
    for (const auto& e : source->macros[0].elements) copy.elements.push_back(CopyElement(*e));
    doc->macros.push_back(std::move(copy));
  }
  return DocumentFileBytes(*doc);
}

void BM_LoadDocumentWith100Macros(benchmark::State& state) {
  const std::string bytes = HundredMacroDocumentBytes();
  const auto path = std::filesystem::temp_directory_path() / "velt_bench_100_macros.vlt";
  {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  size_t macros = 0;
  for (auto _ : state) {
    DocumentLoad l = LoadDocumentFile(path, Options{});
    // Each macro's numbers are checked as choosing it for application does.
    for (const Macro& m : l.document->macros) benchmark::DoNotOptimize(CheckMacro(m).fault);
    macros = l.document->macros.size();
  }
  std::filesystem::remove(path);
  state.counters["macros"] = static_cast<double>(macros);
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_LoadDocumentWith100Macros)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
