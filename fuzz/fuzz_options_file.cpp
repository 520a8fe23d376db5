// Feeds arbitrary bytes to the options-file reader. Options that load must write and load
// again to the same bytes, and a document made with them must build and draw its elements
// (their colours, styles and fonts come from the options).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/options_file.h"
#include "model/create.h"
#include "model/document.h"
#include "view/recording_canvas.h"
#include "view/render.h"

namespace {

using namespace velt;

Element* Make(Document& doc, const Options& o, int32_t kind, std::initializer_list<Element*> ps,
              std::array<double, 4> value = {}) {
  ElementTemplate t;
  t.kind = kind;
  int i = 0;
  for (Element* p : ps) t.parent[i++] = p;
  t.value = value;
  CreationSettings settings;
  settings.options = &o;
  return MakeElementFromTemplate(doc, t, settings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  constexpr int kScreen = 1000;
  Options o;
  if (!ReadOptionsBytes(bytes, kScreen, o)) return 0;
  if (o.planeSize < kScreen) std::abort();
  // What was read writes back to a file that reads to the same options.
  const std::string written = OptionsFileBytes(o);
  Options again;
  if (!ReadOptionsBytes(written, kScreen, again) || OptionsFileBytes(again) != written)
    std::abort();

  std::unique_ptr<Document> doc = MakeDocument(o);
  Element* a = Make(*doc, o, kFreePoint, {}, {0, 0, 0, 0});
  Element* b = Make(*doc, o, kFreePoint, {}, {120, 10, 0, 0});
  Element* c = Make(*doc, o, kFreePoint, {}, {30, 90, 0, 0});
  Make(*doc, o, kSegment, {a, b});
  Make(*doc, o, kLineTwoPoints, {b, c});
  Make(*doc, o, kRayTwoPoints, {c, a});
  Make(*doc, o, kCircleCentrePoint, {a, c});
  Make(*doc, o, kAngleMark, {a, b, c});
  Make(*doc, o, kDistancePointPoint, {a, b});
  RecordingCanvas canvas(320, 240);
  RenderDocument(*doc, canvas, RenderSettings{320, 240, true});
  return 0;
}
