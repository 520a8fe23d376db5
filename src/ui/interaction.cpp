// The interaction state: tool selection, the gesture's bookkeeping, detection under the
// pointer and the cursor message.
#include "ui/interaction.h"

#include "geometry/recompute.h"
#include "model/element_list.h"
#include "model/undo.h"
#include "ui/macro_commands.h"
#include "ui/strings.h"
#include "ui/strings_measures.h"
#include "ui/strings_window.h"
#include "ui/tool_context.h"
#include "ui/tool_gestures.h"
#include "ui/view_boxes.h"

namespace velt {

Interaction::Interaction(Workspace& ws, Host& host) : ws_(ws), host_(host) {
  mask_ = ToolMask(Tool::Sel);
  boxOf_ = ViewBoxes(ws_, std::make_shared<FixedPitchMeasure>());  // the window measures its own
}

Pt Interaction::ToPlane(double px, double py) const {
  const Document& d = doc();
  return {px + d.viewLeft, d.viewTop - py};
}

void Interaction::SelectTool(Tool tool) { SelectToolImpl(tool, true); }

void Interaction::SelectToolImpl(Tool tool, bool rollBack) {
  // The colour of new elements: set by leaving the colour tool without colouring anything,
  // ended by the next change.
  colourForNext_ = tool_ == Tool::B_color && !colourToolUsed_ && tool != Tool::B_color;
  if (tool == Tool::B_color) colourToolUsed_ = false;

  const bool hasSelection = [&] {
    bool any = false;
    ForEachDeep(doc().elements(), [&](const Element& e) { any = any || e.selected; });
    return any;
  }();
  const bool wasGestureStep = snapshotTaken_;
  if (!ToolBetween(tool, Tool::B_MacCon, Tool::B_mac_fin)) ws_.macroSession.Clear();
  redefinedButton_ = -1;
  if (ws_.calculator.open) {
    ws_.calculator = CalculatorSession{};
    host_.ShowCalculator(false);
  }
  if (tool != Tool::B_iteracion) ws_.iterationSetup.Clear();
  tool_ = tool;
  if (hasSelection && RowOf(tool).onSelection) {
    // An edit tool chosen with a selection acts on it at once.
    ToolContext c(*this);
    if (RowOf(tool).onSelection(c)) {
      colourToolUsed_ = colourToolUsed_ || tool == Tool::B_color;
      tool_ = Tool::Sel;
    }
  }
  // A tool that takes the selection as its object keeps it selected.
  const bool selectionAsObject = hasSelection && RowOf(tool_).selectionAsObject;
  if (tool_ != Tool::B_vernoverbot && !selectionAsObject) SetSelected(doc().elements(), 0);
  host_.ToolChanged(tool_);
  ShowPrompt();
  ResetGesture();
  if (rollBack && wasGestureStep && doc().modified) {
    // The abandoned gesture made points for a construction that was never finished.
    Undo(doc(), [this](Document& d) { Reresolve(d); });
    DropRedoTail(doc(), doc().undo.position);
    Recompute();
  }
  snapshotTaken_ = false;
  if (selectionAsObject) {
    ToolContext c(*this);
    RowOf(tool_).selectionAsObject(c);
  }
  if (ToolBetween(tool_, Tool::B_N_calcular, Tool::B_N_funcion)) {
    ws_.calculator.Reset(PurposeOfTool(tool_));
    ws_.calculator.open = true;
    host_.ShowCalculator(true);
  }
  host_.CommandsChanged();
  host_.Repaint();
  if (RowOf(tool_).onChoose) {
    ToolContext c(*this);
    RowOf(tool_).onChoose(c);
  }
}

void Interaction::ResetGesture() {
  tmpl_.Reset();
  picks_.clear();
  pickCounter_ = 0;
  mask_ = ToolMask(tool_);
  clickPending_ = false;
  pressed_ = nullptr;
  dragging_ = false;
  movers_.clear();
  rect_.active = false;
  zooming_ = false;
  blinkOn_ = false;
  host_.SetBlinking(false);
  ClearDetection();
}

void Interaction::EndGesture() {
  mask_ = ToolMask(tool_);
  host_.SetBlinking(false);
  blinkOn_ = false;
  picks_.clear();
  pickCounter_ = 0;
  snapshotTaken_ = false;
  tmpl_.Reset();
  ClearDetection();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::StoreStep() {
  StoreUndoStep(doc(), [this](Document& d) { Reresolve(d); });
}

void Interaction::Reresolve(Document& d) {
  auto look = [&](Element*& p) {
    if (p) p = FindByNumber(d.elements(), p->number);
  };
  for (Element*& p : tmpl_.parent) look(p);
  for (Element*& p : tmpl_.picks) look(p);
  for (Element*& p : picks_) look(p);
  for (Element*& p : movers_) look(p);
  look(pressed_);
  for (Element*& p : ws_.calculator.variables) look(p);
  std::erase(ws_.calculator.variables, nullptr);
  look(ws_.calculator.editing);
  for (Hit& h : detection_.hits) look(h.element);
  std::erase_if(detection_.hits, [](const Hit& h) { return !h.element; });
  if (detection_.candidate)
    for (Element*& p : detection_.candidate->parent) look(p);
}

void Interaction::AddPick(Element* e) {
  picks_.push_back(e);
  ++pickCounter_;
  host_.SetBlinking(true);
}

void Interaction::Recompute() { RecomputeStoppable(doc(), host_.Busy()); }

Element* Interaction::MakeElement(ElementTemplate& t) {
  CreationSettings settings;
  settings.options = &ws_.options;
  settings.currentColour = ColourForNewElements();
  settings.checkerAnswer = [this](int32_t kind, bool holds) {
    return ws_.Text(str::CheckerAnswer(kind, holds));
  };
  Element* e = MakeElementFromTemplate(doc(), t, settings);
  RecomputeElement(*e, RuleContext{&doc()});
  return e;
}

Element* Interaction::Commit() {
  if (!snapshotTaken_ && tool_ != Tool::B_Punto_Inter) StoreStep();
  Element* e = MakeElement(tmpl_);
  EndGesture();
  return e;
}

std::optional<int32_t> Interaction::ColourForNewElements() const {
  if (colourForNext_) return currentColour_;
  return std::nullopt;
}

void Interaction::SetCurrentColour(int32_t colour, bool fill) {
  (fill ? currentFill_ : currentColour_) = colour;
  SelectTool(fill ? Tool::B_color_relleno : Tool::B_color);
}

// ---- detection ------------------------------------------------------------

DetectionQuery Interaction::Query(Pt at) const {
  DetectionQuery q;
  q.mask = mask_;
  q.tool = tool_;
  q.pickCounter = pickCounter_;
  q.tolerance = ws_.options.detectionDistance;
  q.showHidden = ws_.showHidden;
  q.picks = &picks_;
  q.boxOf = boxOf_;
  q.pointer = at;
  q.doc = &doc();
  return q;
}

void Interaction::RunDetection(Pt at) {
  detection_ = Detect(doc(), Query(at));
  UpdateMessage();
}

void Interaction::ClearDetection() {
  detection_ = Detection{};
  UpdateMessage();
}

int Interaction::SideUnderPointer() const {
  return detection_.hits.empty() || detection_.candidate ? -1 : detection_.hits.front().side;
}

void Interaction::ShowPrompt() {
  if (tool_ == Tool::B_MacCon && ws_.macroSession.chosen >= 0) {
    host_.SetStatus(2, MacroPrompt(ws_, pickCounter_));
    return;
  }
  const ToolRow& row = RowOf(tool_);
  const size_t step = static_cast<size_t>(pickCounter_);
  host_.SetStatus(
      2, ws_.Text(step < row.steps.size() ? row.steps[step].prompt : ToolPromptNumber(tool_)));
}

void Interaction::UpdateMessage() {
  const size_t count = detection_.candidate ? 1 : detection_.hits.size();
  if (count == 0) {
    message_.visible = false;
    ShowPrompt();
    return;
  }
  const Element* e = detection_.first();
  message_.visible = true;
  const Document& d = doc();
  message_.px = pointer_.x - d.viewLeft + 12;
  message_.py = d.viewTop - pointer_.y + 4;
  if (RowOf(tool_).messageLower) message_.py += 18;
  // Keep the message inside the plane area.
  message_.px = std::min(message_.px, static_cast<double>(ws_.clientWidth - 120));
  message_.py = std::min(message_.py, static_cast<double>(ws_.clientHeight - 20));
  if (count > 1) {
    message_.text = ws_.Text(str::kSeveralDetected);
    message_.colour = d.cursorFont.colour;
    host_.SetStatus(2, message_.text);
    return;
  }
  const int32_t type = e->type();
  std::string status = ws_.Text(str::KindName(e->kind));
  if (const auto* x = e->as<ExpressionExt>()) status += ": " + x->text;
  host_.SetStatus(2, status);
  message_.text = ws_.Text(str::TypeName(type));
  const bool named = type != kTypeNumber && type != kTypeAxes && type != kTypeEquation &&
                     type != kTypeCoordinates && type != kTypeProperty;
  const Element* nameOf = e->kind == kFunctionGraph && e->parent[0] ? e->parent[0] : e;
  if (named && nameOf->nameElement)
    if (const auto* n = nameOf->nameElement->as<NameExt>()) message_.text += " " + n->text;
  message_.colour = ws_.options.adaptCursorColour ? e->colour : d.cursorFont.colour;
}

CalcResult Interaction::ExecuteCalculator(std::string_view text) {
  ToolContext c(*this);
  return velt::ExecuteCalculator(c, text);
}

void Interaction::SetFunctionType(int32_t type) {
  if (type < 1 || type > 4) return;
  ws_.calculator.functionType = type;
  host_.CalculatorChanged();
}

void Interaction::StoreEditStep() {
  StoreStep();
  host_.CommandsChanged();
}

void Interaction::DocumentChanged() {
  // A button still pending belonged to the document that is gone.
  pendingButton_ = -1;
  if (buttonTimer_) host_.SetButtonTimer(0);
  buttonTimer_ = false;
  ResetGesture();
  snapshotTaken_ = false;
  tool_ = Tool::Sel;
  mask_ = ToolMask(Tool::Sel);
  const Document& d = doc();
  host_.SetStatus(
      0, ws_.Text(d.coordinateSystem == 1 ? str::kCoordinatesPolar : str::kCoordinatesRect));
  host_.SetStatus(1, ws_.Text(d.angleUnit == 1   ? str::kAngleDeg
                              : d.angleUnit == 2 ? str::kAngleGra
                                                 : str::kAngleRad));
  host_.ToolChanged(Tool::Sel);
  ShowPrompt();
  host_.CommandsChanged();
  host_.Repaint();
}

}  // namespace velt
