// Commands that act on the gesture or the selection: undo, redo, delete, select, and the
// preview of the construction being built.

#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "model/undo.h"
#include "ui/interaction.h"

namespace velt {
void Interaction::UndoCommand() {
  SelectToolImpl(Tool::Sel, false);  // an open gesture's own step is the one undone
  if (!velt::Undo(doc(), [this](Document& d) { Reresolve(d); })) return;
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::RedoCommand() {
  SelectToolImpl(Tool::Sel, false);
  if (!velt::Redo(doc(), [this](Document& d) { Reresolve(d); })) return;
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::DeleteSelection() {
  if (tool_ != Tool::Sel || dragging_) return;
  bool any = false;
  ForEachDeep(doc().elements(), [&](const Element& e) { any = any || e.selected; });
  if (!any) return;
  StoreStep();
  // Deleting one element may delete others: look for the next selected one each time.
  for (;;) {
    Element* next = nullptr;
    ForEachDeep(doc().elements(), [&](const Element& e) {
      if (!next && e.selected) next = const_cast<Element*>(&e);
    });
    if (!next) break;
    DeleteWithDependents(doc(), *next);
  }
  ClearDetection();
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::SelectAll() {
  SelectTool(Tool::Sel);
  SetSelected(doc().elements(), 1);
  host_.Repaint();
}

void Interaction::SelectGroup(int32_t type) {
  ForEachDeep(doc().elements(), [&](const Element& ce) {
    Element& e = const_cast<Element&>(ce);
    if (e.type() != type || !e.exists || e.visibility == 100) return;
    if (e.visibility == 0 && !ws_.showHidden) return;
    if (e.kind == kName && e.parent[0] && e.parent[0]->nameElement != &e) return;
    e.selected = 1;
  });
  host_.Repaint();
}

void Interaction::DeleteAllElements() {
  if (doc().elements().empty()) return;
  SelectTool(Tool::Sel);
  StoreStep();
  DeleteAll(doc());
  doc().tracesDrawn = 0;
  ClearDetection();
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::ToggleShowHidden() {
  ws_.showHidden = !ws_.showHidden;
  ClearDetection();
  host_.Repaint();
}

Interaction::PreviewElements Interaction::Preview() const {
  PreviewElements out;
  const PreviewFn f = RowOf(tool_).preview;
  if (!f || pickCounter_ == 0) return out;
  // A selection taken as the first pick is not in the picks list; the preview sees it first.
  std::vector<Element*> picks;
  if (pickCounter_ > static_cast<int>(picks_.size())) picks = tmpl_.picks;
  picks.insert(picks.end(), picks_.begin(), picks_.end());
  if (picks.empty()) return out;
  PreviewSet set;
  f(picks, pointer_, set);
  // Built like new elements (the colour and style they would take), then computed by their
  // own rules from the picks and the pointer.
  CreationSettings settings;
  settings.options = &ws_.options;
  settings.currentColour = ColourForNewElements();
  const RuleContext ctx{&doc()};
  for (const ElementTemplate& t : set.drawn) {
    ElementPtr e = NewElementFromTemplate(doc(), t, settings);
    RecomputeElement(*e, ctx);
    if (e->exists) out.drawn.push_back(std::move(e));
  }
  out.helpers = std::move(set.helpers);
  return out;
}

}  // namespace velt
