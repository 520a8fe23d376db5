#include "anim/iteration_setup.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "model/dependents.h"
#include "model/element_list.h"

namespace velt {
namespace {

bool Contains(const std::vector<Element*>& v, const Element* e) {
  return std::find(v.begin(), v.end(), e) != v.end();
}

// Marks what is built on the initial set (the marks are the caller's to clear).
void MarkOnInitials(Document& doc, const IterationSetup& s) {
  ClearMarks(doc.elements());
  if (s.sets.empty()) return;
  for (Element* e : s.sets[0]) MarkDependents(doc, *e);
}

}  // namespace

void IterationSetup::Clear() {
  sets.clear();
  current = -1;
  countElement = nullptr;
  choosingCount = false;
}

bool CanAddDestinationSet(const IterationSetup& s) {
  return !s.sets.empty() && s.sets.size() < static_cast<size_t>(kMaxIterationSets);
}

bool CanRemoveSet(const IterationSetup& s) { return !s.sets.empty(); }

bool CanChooseCount(const Document& doc) { return doc.elements().size() > 1; }

bool CanIterate(Document& doc, const IterationSetup& s) {
  if (s.sets.size() < 2 || s.sets[0].empty()) return false;
  for (size_t j = 1; j < s.sets.size(); ++j)
    if (s.sets[j].size() != s.sets[0].size()) return false;
  MarkOnInitials(doc, s);
  bool built = false;
  for (size_t j = 1; j < s.sets.size() && !built; ++j)
    for (const Element* e : s.sets[j]) built = built || e->mark;
  ClearMarks(doc.elements());
  return built;
}

bool ChooseSet(IterationSetup& s, int line) {
  if (line == 0 && s.sets.empty()) s.sets.emplace_back();
  if (line < 0 || line >= static_cast<int>(s.sets.size())) return false;
  s.current = line;
  return true;
}

bool AddDestinationSet(IterationSetup& s) {
  if (!CanAddDestinationSet(s)) return false;
  s.sets.emplace_back();
  s.current = static_cast<int>(s.sets.size()) - 1;
  return true;
}

void RemoveSet(IterationSetup& s, int line) {
  if (line < 0 || line >= static_cast<int>(s.sets.size())) return;
  if (line == 0) {
    s.sets.clear();
    s.current = -1;
    return;
  }
  s.sets.erase(s.sets.begin() + line);
  if (s.current == line)
    s.current = -1;
  else if (s.current > line)
    --s.current;
}

bool TogglePick(IterationSetup& s, Element& e) {
  if (s.current < 0 || s.current >= static_cast<int>(s.sets.size())) return false;
  std::vector<Element*>& set = s.sets[static_cast<size_t>(s.current)];
  auto at = std::find(set.begin(), set.end(), &e);
  if (at != set.end()) {
    set.erase(at);
    return true;
  }
  if (set.size() >= static_cast<size_t>(kMaxIterationSetSize)) return false;
  set.push_back(&e);
  return true;
}

bool SetFixedCountFromText(IterationSetup& s, std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double v = 0;
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, v);
  // A number out of range is still a number: it takes the bound.
  if (r.ptr != end || text.empty() ||
      (r.ec != std::errc() && r.ec != std::errc::result_out_of_range))
    return false;
  if (r.ec == std::errc::result_out_of_range) v = text.front() == '-' ? -1 : kMaxIterationCount;
  if (std::isnan(v)) return false;
  s.fixedCount = std::max(CountFromValue(v), 1);
  return true;
}

void ForgetMissingElements(IterationSetup& s, const Document& doc) {
  std::unordered_set<const Element*> present;
  ForEachDeep(doc.elements(), [&](const Element& e) { present.insert(&e); });
  for (auto& set : s.sets) std::erase_if(set, [&](const Element* e) { return !present.count(e); });
  if (s.countElement && !present.count(s.countElement)) s.countElement = nullptr;
}

std::vector<IterationLabel> IterationLabels(const IterationSetup& s) {
  std::vector<IterationLabel> out;
  if (s.sets.empty()) return out;
  for (size_t i = 0; i < s.sets[0].size(); ++i)
    out.push_back({s.sets[0][i], std::to_string(i + 1)});
  if (s.current > 0 && s.current < static_cast<int>(s.sets.size())) {
    const auto& set = s.sets[static_cast<size_t>(s.current)];
    for (size_t i = 0; i < set.size(); ++i) out.push_back({set[i], std::to_string(i + 1) + "'"});
  }
  return out;
}

ElementTemplate IterationTemplate(Document& doc, const IterationSetup& s) {
  ElementTemplate t;
  t.kind = kIteration;
  std::vector<Element*>& list = t.picks;
  list = s.sets[0];
  for (size_t j = 1; j < s.sets.size(); ++j)
    for (Element* e : s.sets[j])
      if (!Contains(list, e)) list.push_back(e);
  // Every shown, existing element built on the initials is drawn again in each repetition.
  MarkOnInitials(doc, s);
  for (const ElementPtr& e : doc.elements())
    if (e->mark && e->exists && e->visibility == 1 && !Contains(list, e.get()))
      list.push_back(e.get());
  ClearMarks(doc.elements());
  if (s.countElement) list.push_back(s.countElement);
  return t;
}

void FillIteration(Element& e, const IterationSetup& s) {
  IterationExt* it = e.as<IterationExt>();
  if (!it || s.sets.empty()) return;
  const size_t n = s.sets[0].size(), sets = s.sets.size() - 1;
  it->settings = {};
  it->settings[kIterCount] = std::clamp(s.fixedCount, 1, kMaxIterationCount);
  it->settings[kIterInitials] = static_cast<int32_t>(n);
  it->settings[kIterSets] = static_cast<int32_t>(sets);
  it->settings[kIterFromNumber] = s.countElement ? 1 : 0;
  it->results.assign(n, std::vector<int32_t>(sets, 0));
  for (size_t i = 0; i < n; ++i)
    for (size_t j = 0; j < sets; ++j) {
      const auto at = std::find(it->elements.begin(), it->elements.end(), s.sets[j + 1][i]);
      it->results[i][j] = static_cast<int32_t>(at - it->elements.begin());
    }
}

}  // namespace velt
