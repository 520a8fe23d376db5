// Load and save of a large document: in memory and through the file system.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "io/document_file.h"
#include "model/create.h"
#include "model/element_list.h"

namespace velt {
namespace {

// n elements: free points, segments and midpoints on the previous ones, and every 100th
// element a quadrilateral with its four sides or a name with its text.
std::unique_ptr<Document> LargeDocument(int n) {
  auto doc = MakeDocument(Options{});
  ElementTemplate t;
  t.kind = kFreePoint;
  MakeElementFromTemplate(*doc, t, {});
  for (int i = 1; i < n; ++i) {
    auto& list = doc->elements();
    Element* p1 = list[i - 1].get();
    Element* p2 = list[std::max(0, i - 4)].get();
    if (i % 4 == 0 || p1->type() != kTypePoint || p2->type() != kTypePoint) {
      t.kind = kFreePoint;
    } else if (i % 200 == 1) {
      t.kind = kPolygon;
      t.picks = {p1, p2, list[0].get(), nullptr};
    } else if (i % 200 == 3) {
      t.kind = kName;
      t.parent = {p1, nullptr, nullptr};
    } else {
      t.kind = i % 2 ? kMidpoint : kSegment;
      t.parent = {p1, p2, nullptr};
    }
    t.value = {double(i), double(i % 7), 0, 0};
    Element* e = MakeElementFromTemplate(*doc, t, {});
    if (auto* name = e->as<NameExt>()) name->text = "P" + std::to_string(i);
  }
  return doc;
}

void BM_SaveToBytes(benchmark::State& state) {
  auto doc = LargeDocument(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state) {
    auto b = DocumentFileBytes(*doc);
    bytes = b.size();
    benchmark::DoNotOptimize(b.data());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveToBytes)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadFromBytes(benchmark::State& state) {
  auto doc = LargeDocument(static_cast<int>(state.range(0)));
  const std::string bytes = DocumentFileBytes(*doc);
  for (auto _ : state) {
    DocumentLoad load = ReadDocumentBytes(bytes, Options{});
    if (!load.document) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(load.document.get());
  }
}
BENCHMARK(BM_LoadFromBytes)->Arg(100000)->Unit(benchmark::kMillisecond);

std::filesystem::path BenchFile() {
  return std::filesystem::temp_directory_path() / "velt_files_bench.vlt";
}

// Save with the temporary file, flush and rename.
void BM_SaveFile(benchmark::State& state) {
  auto doc = LargeDocument(static_cast<int>(state.range(0)));
  for (auto _ : state)
    if (!SaveDocumentFile(*doc, BenchFile())) state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveFile)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State& state) {
  auto doc = LargeDocument(static_cast<int>(state.range(0)));
  if (!SaveDocumentFile(*doc, BenchFile())) state.SkipWithError("save failed");
  for (auto _ : state) {
    DocumentLoad load = LoadDocumentFile(BenchFile(), Options{});
    if (!load.document) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(load.document.get());
  }
  std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_LoadFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velt
