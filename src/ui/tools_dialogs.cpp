// Tools that open a dialog on the figure: typed points (33), texts (54), the element editor
// (61, and the right button on an element), parametric colours (66, 67); and the double click
// on a plotted point.
#include <cmath>

#include "model/element_list.h"
#include "ui/edit_session.h"
#include "ui/host.h"
#include "ui/point_entry.h"
#include "ui/tool_gestures.h"
#include "ui/workspace.h"

namespace velt {
namespace {

// The document's only pair of axes, or null when it has none or several.
Element* OnlyAxes(const Document& doc) {
  Element* found = nullptr;
  for (const auto& e : doc.elements()) {
    if (e->kind != kAxes) continue;
    if (found) return nullptr;
    found = e.get();
  }
  return found;
}

int32_t NumberOf(ToolContext& c, const Element& e) {
  Renumber(c.doc().elements());
  return e.number;
}

// The dialog's request is carried out once it has closed.
void FollowRequest(ToolContext& c, EditRequest r, int32_t number) {
  Element* e = FindByNumber(c.doc().elements(), number);
  if (!e) return;
  switch (r) {
    case EditRequest::ParametricColour:
      c.SelectTool(Tool::B_colorpar);
      if ((e = FindByNumber(c.doc().elements(), number))) {
        c.AddPick(e);
        DetectionMask numbers{};
        numbers[kTypeNumber] = 1;
        c.mask() = numbers;
      }
      break;
    case EditRequest::EditDefinition:
      // The calculator with the calculation or function tool, or the parameter dialog.
      OpenNumberEditor(c, *e);
      break;
    case EditRequest::RedefinePoint: StartPointRedefinition(c, *e); break;
    case EditRequest::RedefineButton: c.RedefineButton(*e); break;
    case EditRequest::None: break;
  }
}

void EditTextElement(ToolContext& c, Element& e) {
  const TextExt* t = e.as<TextExt>();
  if (!t) return;
  const int32_t number = NumberOf(c, e);
  const auto edited = c.host().EditText(EditedTextOf(*t), {double(t->x), double(t->y)});
  // An emptied editor changes nothing: the text is removed with the delete tool.
  if (!edited || edited->Empty()) return;
  c.StoreStep();
  Element* x = FindByNumber(c.doc().elements(), number);
  if (!x || !x->as<TextExt>()) return;
  StoreEditedText(*edited, *x->as<TextExt>());
  x->attr1 = static_cast<int32_t>(x->as<TextExt>()->lines.size());
  x->colour = edited->font.colour;
  c.ClearDetection();
  c.Recompute();
  c.host().CommandsChanged();
  c.Repaint();
}

void RunEditDialog(ToolContext& c, Element& e) {
  EditSession session(c, e);
  const int32_t number = e.number;
  c.host().RunEditDialog(session);
  if (session.state() == EditSession::State::Open) session.Cancel();
  c.ClearDetection();
  FollowRequest(c, session.request(), number);
  c.Repaint();
}

}  // namespace

void OpenElementEditor(ToolContext& c, Element& e) {
  if (e.kind == kText)
    EditTextElement(c, e);
  else
    RunEditDialog(c, e);
}

void PressEditElement(ToolContext& c, Pt) {
  if (Element* e = c.UnderElement()) OpenElementEditor(c, *e);
}

bool DoubleClickElement(ToolContext& c, Element& e) {
  if (e.kind != kPlottedPoint || !e.parent[0] || e.parent[0]->kind != kAxes) return false;
  PointEntrySession session(c, *e.parent[0], e);
  c.host().RunPointEntry(session);
  c.SelectTool(Tool::Sel);
  return true;
}

void PressPointEntry(ToolContext& c, Pt) {
  Element* axes = OnlyAxes(c.doc());
  if (!axes) {
    Element* under = c.UnderElement();
    if (!under || under->kind != kAxes) return;
    axes = under;
  }
  PointEntrySession session(c, *axes);
  c.host().RunPointEntry(session);
  c.EndGesture();
}

void PressText(ToolContext& c, Pt at) {
  EditedText empty;
  empty.font = c.doc().textFont;
  const auto edited = c.host().EditText(empty, at);
  if (edited && !edited->Empty()) {
    c.StoreStep();
    ElementTemplate t;
    t.kind = kText;
    t.value = {0, 0, std::round(at.x), std::round(at.y)};
    if (Element* e = c.Make(t)) {
      TextExt& x = *e->as<TextExt>();
      StoreEditedText(*edited, x);
      x.x = static_cast<int32_t>(std::round(at.x));
      x.y = static_cast<int32_t>(std::round(at.y));
      e->attr1 = static_cast<int32_t>(x.lines.size());
      e->colour = edited->font.colour;
    }
    c.Recompute();
    c.host().CommandsChanged();
  }
  c.SelectTool(Tool::Sel);
}

void PressParametricColour(ToolContext& c, Pt) {
  Element* e = c.UnderElement();
  if (!e) return;
  if (c.pickCount() == 0) {
    c.AddPick(e);
    DetectionMask numbers{};
    numbers[kTypeNumber] = 1;
    c.mask() = numbers;
    return;
  }
  if (e->type() != kTypeNumber || c.picks().empty()) return;
  const int32_t target = NumberOf(c, *c.picks().front());
  const int32_t source = e->number;
  const auto scale = c.host().ChooseColourScale();
  if (scale) {
    c.StoreStep();
    Element* t = FindByNumber(c.doc().elements(), target);
    Element* s = FindByNumber(c.doc().elements(), source);
    if (t && s) {
      t->colourSource = s;
      t->colourMode = c.tool() == Tool::B_colorpar_relleno ? -*scale : *scale;
      c.doc().modified = 1;
    }
    c.Recompute();
  }
  c.EndGesture();
}

}  // namespace velt
