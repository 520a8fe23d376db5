// Editing and style tools: hide or show, delete, colour, fill colour, point shape, line
// style and angle mark, on each click or on the whole selection at once.
#include "model/dependents.h"
#include "model/element_list.h"
#include "ui/host.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

bool Fillable(int32_t type) {
  return type == kTypePolygon || type == kTypeCircle || type == kTypeAngle ||
         type == kTypeIteration;
}

// The style a style button gives, counted from its group's first member (1..6, 1..3).
int32_t StyleOf(Tool t) {
  if (ToolBetween(t, Tool::B_forma_punto1, Tool::B_forma_punto6))
    return ToolNumber(t) - ToolNumber(Tool::B_forma_punto1) + 1;
  if (ToolBetween(t, Tool::B_forma_linea1, Tool::B_forma_linea6))
    return ToolNumber(t) - ToolNumber(Tool::B_forma_linea1) + 1;
  return ToolNumber(t) - ToolNumber(Tool::B_forma_angulo1) + 1;
}

// The types a style button applies to.
bool StyleApplies(Tool t, int32_t type) {
  if (ToolBetween(t, Tool::B_forma_punto1, Tool::B_forma_punto6)) return type == kTypePoint;
  if (ToolBetween(t, Tool::B_forma_linea1, Tool::B_forma_linea6))
    return ToolMask(Tool::B_forma_linea1)[type] != 0;
  return type == kTypeAngle;
}

void SetColour(Element& e, int32_t colour) {
  e.colour = colour;
  e.colourSource = nullptr;
  if (auto* x = e.as<TextExt>()) {
    x->font.colour = colour;
    for (auto& r : x->runs) r.font.colour = colour;
  }
}

void ToggleHidden(Element& e) {
  e.visibility = e.visibility == 0 ? 1 : 0;
  if (e.nameElement) e.nameElement->visibility = e.visibility;
}

// Stores one undo step and gives back the element in the list the step leaves.
Element* AfterStep(ToolContext& c, Element& target) {
  Renumber(c.doc().elements());
  const int32_t n = target.number;
  c.StoreStep();
  return FindByNumber(c.doc().elements(), n);
}

}  // namespace

void PressEdit(ToolContext& c, Pt) {
  Element* target = c.UnderElement();
  if (!target) return;
  const Tool t = c.tool();
  // One undo step per click.
  Element* e = AfterStep(c, *target);
  if (!e) return;
  if (t == Tool::B_vernover) {
    ToggleHidden(*e);
  } else if (t == Tool::B_elimelem) {
    DeleteWithDependents(c.doc(), *e);
  } else if (t == Tool::B_color) {
    SetColour(*e, c.currentColour());
    c.NoteColourUsed();
  } else if (t == Tool::B_color_relleno) {
    if (Fillable(e->type())) e->attr1 = c.currentFill();
    e->colourSource = nullptr;
  } else if (ToolBetween(t, Tool::B_forma_punto1, Tool::B_forma_angulo3)) {
    e->style = StyleOf(t);
  }
  c.ClearDetection();
  c.Recompute();
  c.host().CommandsChanged();
  c.Repaint();
}

bool EditSelection(ToolContext& c) {
  const Tool t = c.tool();
  std::vector<Element*> selected;
  ForEachDeep(c.doc().elements(), [&](const Element& e) {
    if (e.selected) selected.push_back(const_cast<Element*>(&e));
  });
  if (selected.empty()) return false;
  Renumber(c.doc().elements());
  std::vector<int32_t> numbers;
  for (Element* e : selected) numbers.push_back(e->number);
  c.StoreStep();
  for (int32_t n : numbers) {
    Element* e = FindByNumber(c.doc().elements(), n);
    if (!e) continue;
    const int32_t type = e->type();
    if (t == Tool::B_vernover) {
      ToggleHidden(*e);
      e->selected = 0;
    } else if (t == Tool::B_color) {
      SetColour(*e, c.currentColour());
    } else if (t == Tool::B_color_relleno) {
      if (Fillable(type)) e->attr1 = c.currentFill();
      e->colourSource = nullptr;
    } else if (ToolBetween(t, Tool::B_forma_punto1, Tool::B_forma_angulo3)) {
      if (StyleApplies(t, type)) e->style = StyleOf(t);
    }
  }
  c.Recompute();
  return true;
}

}  // namespace velt
