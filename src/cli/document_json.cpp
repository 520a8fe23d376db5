#include "cli/document_json.h"

#include <algorithm>

#include "anim/iteration_walk.h"
#include "cli/json_out.h"
#include "cli/json_string.h"
#include "geometry/graph_sampling.h"
#include "geometry/locus_sampling.h"
#include "model/element_list.h"
#include "view/label_text.h"
#include "view/table_text.h"

namespace velt::cli {
namespace {

// A locus's recorded samples in order: [x, y] of the traced point, [x1, y1, x2, y2] of a
// traced line or circle; a gap is null.
void LocusSamplesJson(JsonOut& o, const Element& e) {
  const auto* s = e.as<SampleExt>();
  o.Raw(',').Key("samples").Raw('[');
  if (s) {
    const bool point = e.parent[0] && e.parent[0]->type() == kTypePoint;
    const size_t size =
        std::min({s->x1.size(), s->y1.size(), s->x2.size(), s->y2.size(), s->colours.size()});
    const size_t m = std::min(size, static_cast<size_t>(std::max(s->recorded, 0)));
    for (size_t i = 0; i < m; ++i) {
      if (i) o.Raw(',');
      if (s->colours[i] == kLocusGap) {
        o.Raw("null");
        continue;
      }
      o.Raw('[').Real(s->x1[i]).Raw(',').Real(s->y1[i]);
      if (!point) o.Raw(',').Real(s->x2[i]).Raw(',').Real(s->y2[i]);
      o.Raw(']');
    }
  }
  o.Raw(']');
}

// A graph's samples in order as [x, y] in plane coordinates; null for a sample without value
// and after a sample where the continuity test breaks the curve.
void GraphSamplesJson(JsonOut& o, const Element& e) {
  const auto* s = e.as<SampleExt>();
  o.Raw(',').Key("samples").Raw('[');
  if (s && e.exists) {
    const size_t n = std::min({s->x1.size(), s->y1.size(), s->colours.size(),
                               static_cast<size_t>(std::max(s->recorded, 0))});
    bool first = true;
    for (size_t i = 0; i < n; ++i) {
      if (!first) o.Raw(',');
      first = false;
      if (s->colours[i] == kLocusGap) {
        o.Raw("null");
        continue;
      }
      o.Raw('[').Real(s->x1[i]).Raw(',').Real(s->y1[i]).Raw(']');
      if (i + 1 < n && s->colours[i + 1] != kLocusGap &&
          !GraphStepJoined(e, static_cast<int32_t>(i)))
        o.Raw(",null");
    }
  }
  o.Raw(']');
}

void CopyJson(JsonOut& o, const Element& c) {
  o.Key("kind").Int(c.kind).Raw(',');
  o.Key("exists").Int(c.exists).Raw(',');
  o.Key("values").Raw('[');
  for (int i = 0; i < 4; ++i) {
    if (i) o.Raw(',');
    o.Real(c.value[i]);
  }
  o.Raw(']');
}

// An iteration's fields (the list by numbers, the six settings, the destination rows) and the
// copies it draws, in drawing order: how many, and the first `limit` with their level, kind,
// existence and values; sides and other sub-elements of a copy follow in "sub".
void IterationJson(JsonOut& o, const Document& d, const Element& e, int64_t limit) {
  const auto* it = e.as<IterationExt>();
  if (!it) return;
  o.Raw(',').Key("list").Raw('[');
  for (size_t i = 0; i < it->elements.size(); ++i) {
    if (i) o.Raw(',');
    o.Int(it->elements[i] ? it->elements[i]->number : -1);
  }
  o.Raw("],").Key("settings").Raw('[');
  for (size_t i = 0; i < it->settings.size(); ++i) {
    if (i) o.Raw(',');
    o.Int(it->settings[i]);
  }
  o.Raw("],").Key("rows").Raw('[');
  for (size_t i = 0; i < it->results.size(); ++i) {
    if (i) o.Raw(',');
    o.Raw('[');
    for (size_t j = 0; j < it->results[i].size(); ++j) {
      if (j) o.Raw(',');
      o.Int(it->results[i][j]);
    }
    o.Raw(']');
  }
  o.Raw("],").Key("copies").Raw('{').Key("items").Raw('[');
  int64_t listed = 0;
  const int64_t drawn =
      ForEachDrawnCopy(d, e, [&](const Element& c, const Document&, int32_t level) {
        if (listed >= limit) return true;
        if (listed++) o.Raw(',');
        o.Raw('{').Key("level").Int(level).Raw(',');
        CopyJson(o, c);
        bool first = true;
        ForEachSubElement(c, [&](const Element& sub) {
          o.Raw(first ? "," : "").Raw(first ? "\"sub\":[" : ",").Raw('{');
          first = false;
          CopyJson(o, sub);
          o.Raw('}');
        });
        if (!first) o.Raw(']');
        o.Raw('}');
        return true;
      });
  o.Raw("],").Key("drawn").Int(drawn).Raw('}');
}

void ElementJson(JsonOut& o, const Document& d, const Element& e, int64_t copiesLimit) {
  o.Raw('{').Key("number").Int(e.number).Raw(',');
  o.Key("kind").Int(e.kind).Raw(',');
  o.Key("type").Int(e.type()).Raw(',');
  o.Key("owner").Int(e.owner ? e.owner->number : -1).Raw(',');
  o.Key("exists").Int(e.exists).Raw(',');
  o.Key("visibility").Int(e.visibility).Raw(',');
  o.Key("parents").Raw('[');
  for (int i = 0; i < 3; ++i) {
    if (i) o.Raw(',');
    o.Int(e.parent[i] ? e.parent[i]->number : -1);
  }
  o.Raw("],").Key("values").Raw('[');
  for (int i = 0; i < 4; ++i) {
    if (i) o.Raw(',');
    o.Real(e.value[i]);
  }
  o.Raw("],").Key("attr1").Int(e.attr1).Raw(',');
  o.Key("attr2").Int(e.attr2).Raw(',');
  o.Key("attr3").Int(e.attr3).Raw(',');
  o.Key("colour").Int(e.colour).Raw(',');
  o.Key("style").Int(e.style);
  // What the drawing writes for the element, when it exists and shows a text.
  const std::string text = !e.exists          ? std::string()
                           : e.kind == kTable ? TableText(e)
                                              : LabelTextOf(d, e);
  if (!text.empty()) {
    std::string quoted;
    AppendJsonString(quoted, text);
    o.Raw(',').Key("text").Raw(quoted);
  }
  if (e.kind == kLocus) LocusSamplesJson(o, e);
  if (e.kind == kFunctionGraph) GraphSamplesJson(o, e);
  if (e.kind == kIteration) IterationJson(o, d, e, copiesLimit);
  o.Raw('}');
}

}  // namespace

std::string DocumentJson(const Document& d, const FileHeader& h, int64_t copiesLimit) {
  std::string text;
  // About 250 bytes an element: one allocation for the whole dump.
  text.reserve(256 + 256 * static_cast<size_t>(CountWithSubElements(d.elements())));
  JsonOut o(text);
  o.Raw('{').Key("version").Int(h.version).Raw(',');
  o.Key("type").Int(h.type).Raw(',');
  o.Key("document").Raw('{');
  o.Key("lengthUnit").Int(d.lengthUnit).Raw(',');
  o.Key("angleUnit").Int(d.angleUnit).Raw(',');
  o.Key("measureScale").Real(d.measureScale).Raw(',');
  o.Key("coordinateSystem").Int(d.coordinateSystem).Raw(',');
  o.Key("viewLeft").Real(d.viewLeft).Raw(',');
  o.Key("viewTop").Real(d.viewTop).Raw("},");
  o.Key("elements").Raw('[');
  bool first = true;
  ForEachDeep(d.elements(), [&](const Element& e) {
    if (!first) o.Raw(',');
    first = false;
    ElementJson(o, d, e, copiesLimit);
  });
  o.Raw("]}\n");
  return text;
}

}  // namespace velt::cli
