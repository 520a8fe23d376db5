// Tool 59: the iteration dialog, the picks that fill its sets, the count, and the new
// iteration element.
#include <charconv>

#include "anim/iteration_setup.h"
#include "geometry/recompute.h"
#include "model/element_list.h"
#include "ui/host.h"
#include "ui/scripted_host.h"
#include "ui/strings_iteration.h"
#include "ui/tool_gestures.h"
#include "ui/workspace.h"

namespace velt {
namespace {

// "Elementos destino 2: 7 8 9": the set's label, then the numbers of its elements.
std::string SetLine(const Workspace& ws, const IterationSetup& s, size_t j) {
  std::string line = ws.Text(j == 0 ? str::kIterInitialSet : str::kIterDestinationSet);
  if (j > 0) line.append(" ").append(std::to_string(j));
  line.append(":");
  if (j < s.sets.size())
    for (const Element* e : s.sets[j]) line.append(" ").append(std::to_string(e->number));
  return line;
}

IterationDialogState DialogState(Workspace& ws, Document& doc) {
  IterationSetup& s = ws.iterationSetup;
  Renumber(doc.elements());  // the lines name elements by their numbers
  IterationDialogState d;
  for (size_t j = 0; j < s.sets.size(); ++j) d.lines.push_back(SetLine(ws, s, j));
  if (s.sets.empty() && doc.elements().size() > 1) {
    // The first "Elegir elementos" starts the initial set.
    d.lines.push_back(SetLine(ws, s, 0));
    d.selected = 0;
  } else if (s.current >= 0) {
    d.selected = s.current;
  }
  d.canAddDestination = CanAddDestinationSet(s);
  d.canRemove = CanRemoveSet(s);
  d.canChooseCount = CanChooseCount(doc);
  d.canIterate = CanIterate(doc, s);
  return d;
}

DetectionMask CountMask() {
  DetectionMask m{};
  m[kTypeNumber] = 1;
  m[kTypeCoordinates] = 1;
  return m;
}

// The current set's elements become the gesture's picks: they blink while the set is filled.
void ShowCurrentSet(ToolContext& c) {
  const IterationSetup& s = c.workspace().iterationSetup;
  c.EndGesture();
  if (s.current >= 0 && s.current < static_cast<int>(s.sets.size()))
    for (Element* e : s.sets[static_cast<size_t>(s.current)]) c.AddPick(e);
  c.Repaint();
}

void CreateIteration(ToolContext& c) {
  IterationSetup& s = c.workspace().iterationSetup;
  Document& doc = c.doc();
  c.EnsureStep();
  ForgetMissingElements(s, doc);
  if (CanIterate(doc, s)) {
    ElementTemplate t = IterationTemplate(doc, s);
    Element* e = c.Make(t);
    FillIteration(*e, s);
    RecomputeElement(*e, RuleContext{&doc});
  }
  c.EndGesture();
  c.SelectTool(Tool::Sel);
}

}  // namespace

std::optional<IterationDialogAnswer> ParseIterationAnswer(std::string_view text, int selected) {
  auto word = [&]() {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const size_t end = std::min(text.find(' '), text.size());
    std::string_view w = text.substr(0, end);
    text.remove_prefix(end);
    return w;
  };
  const std::string_view action = word();
  const std::string_view number = word();
  if (!word().empty()) return std::nullopt;
  IterationDialogAnswer a{IterationAction::Cancel, selected};
  if (!number.empty()) {
    const auto r = std::from_chars(number.data(), number.data() + number.size(), a.line);
    if (r.ec != std::errc() || r.ptr != number.data() + number.size()) return std::nullopt;
  }
  struct Word {
    std::string_view text;
    IterationAction action;
    bool takesLine;
  };
  static constexpr Word kWords[] = {{"choose", IterationAction::ChooseElements, true},
                                    {"add", IterationAction::AddDestination, false},
                                    {"remove", IterationAction::Remove, true},
                                    {"count", IterationAction::ChooseCount, false},
                                    {"iterate", IterationAction::Iterate, false},
                                    {"cancel", IterationAction::Cancel, false}};
  for (const Word& w : kWords)
    if (SameWordIgnoringCase(action, w.text)) {
      if (!w.takesLine && !number.empty()) return std::nullopt;
      a.action = w.action;
      return a;
    }
  return std::nullopt;
}

bool OpenIterationDialog(ToolContext& c) {
  Workspace& ws = c.workspace();
  IterationSetup& s = ws.iterationSetup;
  Document& doc = c.doc();
  for (;;) {
    ForgetMissingElements(s, doc);
    s.choosingCount = false;
    const IterationDialogState state = DialogState(ws, doc);
    const IterationDialogAnswer a = c.host().IterationDialog(state);
    switch (a.action) {
      case IterationAction::ChooseElements:
        if (!ChooseSet(s, a.line)) continue;
        ShowCurrentSet(c);
        return true;
      case IterationAction::AddDestination:
        if (!AddDestinationSet(s)) continue;
        ShowCurrentSet(c);
        return true;
      case IterationAction::Remove: RemoveSet(s, a.line >= 0 ? a.line : s.current); continue;
      case IterationAction::ChooseCount:
        if (!CanChooseCount(doc)) continue;
        c.EndGesture();
        s.choosingCount = true;
        c.mask() = CountMask();
        c.Repaint();
        return true;
      case IterationAction::Iterate:
        if (!state.canIterate) continue;
        CreateIteration(c);
        return true;
      case IterationAction::Cancel: c.SelectTool(Tool::Sel); return true;
    }
  }
}

void PressIteration(ToolContext& c, Pt) {
  IterationSetup& s = c.workspace().iterationSetup;
  if (s.choosingCount) {
    Element* u = c.UnderElement();
    if (u) {
      if (auto* x = u->as<CoordinatesExt>()) u = c.SideUnder() == 1 ? x->y.get() : x->x.get();
      if (!u || u->type() != kTypeNumber) return;
      s.countElement = u;
    } else {
      const auto text = c.host().AskIterationCount(s.fixedCount);
      if (!text) return;  // cancelled: the next click still chooses the count
      if (SetFixedCountFromText(s, *text)) s.countElement = nullptr;
    }
    s.choosingCount = false;
    OpenIterationDialog(c);
    return;
  }
  Element* u = c.UnderElement();
  if (!u || !TogglePick(s, *u)) return;
  ShowCurrentSet(c);
}

}  // namespace velt
