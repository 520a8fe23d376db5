// The action-button tools (56 hide/show, 57 movement), pressing a button with tool 0 and the
// pop-up of a pressed movement button.
#include <algorithm>

#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "ui/action_buttons.h"
#include "ui/interaction.h"
#include "ui/strings_buttons.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

// The selected elements in list order, sub-elements included. The button being redefined
// and whatever is built on it are left out: they are deleted with it.
std::vector<Element*> SelectedElements(Document& doc, Element* leaveOut) {
  ElementList& list = doc.elements();
  ClearMarks(list);
  if (leaveOut) {
    MarkDependents(doc, *leaveOut);
    leaveOut->mark = 1;
  }
  std::vector<Element*> out;
  ForEachDeep(list, [&](const Element& e) {
    if (e.selected && !e.mark) out.push_back(const_cast<Element*>(&e));
  });
  ClearMarks(list);
  return out;
}

void SetCaption(Element& b, std::string caption) {
  if (ButtonExt* x = b.as<ButtonExt>()) x->caption = std::move(caption);
}

// The replacement of a redefined hide/show button: the old one's place, look and state,
// states that keep every element as it is now; the old button goes with its dependents.
void Redefine(ToolContext& c, Element& old, const std::vector<Element*>& chosen) {
  c.EnsureStep();
  ElementTemplate& t = c.tmpl();
  t.kind = kButtonShowHide;
  t.value = {0, 0, old.value[2], old.value[3]};
  t.picks = chosen;
  t.pickStates = RedefinedStates(chosen, old.attr2 == 1);
  Element* b = c.Make(t);
  if (const ButtonExt* x = old.as<ButtonExt>()) SetCaption(*b, x->caption);
  b->colour = old.colour;
  b->style = old.style;
  b->attr2 = old.attr2;
  b->labelFont = old.labelFont;
  DeleteWithDependents(c.doc(), old);
  c.EndGesture();
  c.SelectTool(Tool::Sel);
}

}  // namespace

Element* ToolContext::RedefinedButton() const {
  if (ix_.redefinedButton_ < 0) return nullptr;
  Element* b = FindByNumber(doc().elements(), ix_.redefinedButton_);
  return b && b->kind == kButtonShowHide ? b : nullptr;
}

void ToolContext::RedefineButton(Element& button) { ix_.RedefineButton(button); }

std::string ToolContext::DefaultCaption(int32_t kind) const {
  return ix_.ws_.Text(kind == kButtonMove ? str::kButtonCaptionMove : str::kButtonCaptionShowHide);
}

void PressHideShowButton(ToolContext& c, Pt at) {
  Element* redefined = c.RedefinedButton();
  Element* u = c.UnderElement();
  if (u && u != redefined) {
    u->selected = u->selected ? 0 : 1;
    c.Repaint();
    return;
  }
  Document& doc = c.doc();
  const std::vector<Element*> chosen = SelectedElements(doc, redefined);
  if (chosen.empty()) return;
  if (redefined) {
    Redefine(c, *redefined, chosen);
  } else {
    ElementTemplate& t = c.tmpl();
    t.kind = kButtonShowHide;
    t.value = {0, 0, at.x, at.y};
    t.picks = chosen;
    t.pickStates = NewHideShowStates(chosen);
    Element* b = c.Commit();
    SetCaption(*b, c.DefaultCaption(kButtonShowHide));
    ApplyButton(doc, *b, 1);  // picked while shown, hidden until the button is pressed
  }
  SetSelected(doc.elements(), 0);
  c.Recompute();
  c.Repaint();
}

void PressMoveButton(ToolContext& c, Pt at) {
  if (c.Under()) {
    Element* u = c.UnderElement();
    if (u && u->type() == kTypePoint) {
      c.AddPick(u);
      c.Repaint();
    }
    return;
  }
  Document& doc = c.doc();
  const std::vector<Element*> picks = c.picks();
  if (!picks.empty() && MovementPairsAcceptable(doc, picks)) {
    ElementTemplate& t = c.tmpl();
    t.kind = kButtonMove;
    t.value = {0, 0, at.x, at.y};
    t.picks = picks;
    t.pickStates.assign(picks.size(), 1);
    Element* b = c.Commit();
    SetCaption(*b, c.DefaultCaption(kButtonMove));
    c.Recompute();
  } else {
    if (picks.size() > 1)
      c.host().ShowMessage(c.workspace().Text(str::kMoveButtonRefused), MessageIcon::Warning);
    c.EndGesture();
  }
  c.Repaint();
}

// ---- tool 0 and the timer ----------------------------------------------------

void Interaction::PressButtonElement(Element& b) {
  if (buttonTimer_) return;
  StoreStep();  // numbers the list afresh
  const int32_t number = b.number;
  b.attr2 = PressedState(b.attr2);
  if (ApplyButton(doc(), b, b.attr2)) {
    pendingButton_ = number;
    buttonTimer_ = true;
    host_.SetButtonTimer(kButtonPopUpMs);
  }
  Recompute();
  RunDetection(pointer_);
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::ButtonTimerTick() {
  buttonTimer_ = false;
  if (pendingButton_ >= 0) {
    // Looked up again: an undo may have replaced the list since the press.
    Element* b = FindByNumber(doc().elements(), pendingButton_);
    if (b && b->kind == kButtonMove) b->attr2 = 1;
    pendingButton_ = -1;
  }
  if (!dragging_ && !panning_ && !zooming_) RunDetection(pointer_);
  host_.Repaint();
}

void Interaction::SettlePendingButton() {
  if (!buttonTimer_) return;
  host_.SetButtonTimer(0);
  ButtonTimerTick();
}

void Interaction::RedefineButton(Element& button) {
  if (button.kind != kButtonShowHide) return;
  Renumber(doc().elements());
  const int32_t number = button.number;
  // Choosing the tool may undo an abandoned gesture and replace the list.
  SelectTool(Tool::B_vernoverbot);
  Element* b = FindByNumber(doc().elements(), number);
  if (!b || b->kind != kButtonShowHide) return;
  redefinedButton_ = number;
  SetSelected(doc().elements(), 0);
  if (const ButtonExt* x = b->as<ButtonExt>())
    for (Element* e : x->targets)
      if (e) e->selected = 1;
  host_.Repaint();
}

}  // namespace velt
