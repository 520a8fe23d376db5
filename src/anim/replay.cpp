// Step-by-step replay: the steps, the navigation, the description of a step and the cut.
#include "anim/replay.h"

#include <algorithm>
#include <array>

#include "model/dependents.h"
#include "model/element_list.h"
#include "ui/strings.h"
#include "ui/strings_animation.h"
#include "view/element_text.h"
#include "view/label_text.h"

namespace velt {

bool IsReplayStep(const Element& e, bool showHidden) {
  return e.kind != kName && e.exists && e.visibility != 100 && (e.visibility == 1 || showHidden);
}

namespace {

constexpr std::array<int, kReplayIntervalCount> kIntervals = {
    100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000, 3000, 4000, 5000, 10000};

}  // namespace

int ReplayIntervalMs(int index) {
  return index >= 0 && index < kReplayIntervalCount ? kIntervals[index] : 0;
}

std::string ReplayIntervalText(int index, const LanguageTable& lang) {
  const int ms = ReplayIntervalMs(index);
  if (ms == 0) return {};
  const std::string unit = " " + lang.Get(str::kReplaySeconds);
  if (ms >= 10000) return std::to_string(ms / 1000) + unit;
  return std::to_string(ms / 1000) + "." + std::to_string(ms / 100 % 10) + unit;
}

Replay::Replay(const Document& doc, bool showHidden, bool startAtLast) {
  for (const auto& e : doc.elements())
    if (IsReplayStep(*e, showHidden)) steps_.push_back(e.get());
  if (!steps_.empty()) current_ = startAtLast ? count() - 1 : 0;
}

bool Replay::GoTo(int position) {
  if (steps_.empty()) return false;
  const int i = std::clamp(position, 1, count()) - 1;
  if (i == current_) return false;
  current_ = i;
  return true;
}

bool Replay::First() { return GoTo(1); }
bool Replay::Last() { return GoTo(count()); }
bool Replay::Next() { return !atLast() && GoTo(position() + 1); }
bool Replay::Previous() { return !atFirst() && GoTo(position() - 1); }

const Element* Replay::StopAt(const Document& doc) const {
  const Element* step = current();
  if (!step) return nullptr;
  const ElementList& list = doc.elements();
  const std::ptrdiff_t i = IndexOf(list, step);
  if (i < 0 || i + 1 >= static_cast<std::ptrdiff_t>(list.size())) return nullptr;
  return list[static_cast<size_t>(i) + 1].get();
}

std::string ReplayDescription(const Element& e, const LanguageTable& lang) {
  std::string s = lang.Get(str::KindName(e.kind)) + " ";
  if (e.kind == kFunctionGraph && e.parent[0]) return s + DisplayedExpression(*e.parent[0]);
  if (e.nameElement) return s + NameTextOf(e);
  if (const auto* text = e.as<TextExt>()) {
    s += ": ";
    for (size_t i = 0; i < text->lines.size(); ++i) s += (i ? " " : "") + text->lines[i];
  }
  return s;
}

bool KeepConstructionUpTo(Document& doc, int32_t number) {
  ElementList& list = doc.elements();
  const std::ptrdiff_t at = IndexOf(list, FindByNumber(list, number));
  if (at < 0) return false;
  const size_t keep = static_cast<size_t>(at) + 1;
  // Colour sources may point forward: the kept elements they colour keep their colour.
  ClearMarks(list);
  for (size_t i = keep; i < list.size(); ++i) {
    list[i]->mark = 1;
    ForEachSubElement(*list[i], [](Element& s) { s.mark = 1; });
  }
  for (size_t i = 0; i < keep; ++i) {
    auto drop = [](Element& e) {
      if (e.colourSource && e.colourSource->mark) {
        e.colourSource = nullptr;
        e.colourSourceNumber = -1;
      }
    };
    drop(*list[i]);
    ForEachSubElement(*list[i], drop);
  }
  ClearMarks(list);
  while (list.size() > keep) DeleteWithDependents(doc, *list.back());
  return true;
}

}  // namespace velt
