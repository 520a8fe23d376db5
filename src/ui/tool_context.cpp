// The interaction as the tool families see it.
#include "ui/tool_context.h"

#include "model/undo.h"
#include "ui/interaction.h"

namespace velt {

Document& ToolContext::doc() const { return ix_.doc(); }
Workspace& ToolContext::workspace() const { return ix_.ws_; }
Host& ToolContext::host() const { return ix_.host_; }
Tool ToolContext::tool() const { return ix_.tool_; }
bool ToolContext::shift() const { return ix_.mods_.shift; }
bool ToolContext::ctrl() const { return ix_.mods_.ctrl; }

Element* ToolContext::Under() const { return ix_.UnderPointer(); }
Element* ToolContext::UnderElement() const {
  return ix_.detection_.candidate ? nullptr : ix_.UnderPointer();
}
bool ToolContext::OnCrossing() const { return ix_.detection_.candidate != nullptr; }
int ToolContext::SideUnder() const { return ix_.SideUnderPointer(); }

int ToolContext::pickCount() const { return ix_.pickCounter_; }
const std::vector<Element*>& ToolContext::picks() const { return ix_.picks_; }
ElementTemplate& ToolContext::tmpl() const { return ix_.tmpl_; }
DetectionMask& ToolContext::mask() const { return ix_.mask_; }
void ToolContext::AddPick(Element* e) { ix_.AddPick(e); }
void ToolContext::TakeAsFirstPick(std::vector<Element*> elements) {
  ix_.tmpl_.picks = std::move(elements);
  ix_.pickCounter_ = 1;
}
Element* ToolContext::PickPoint(Pt at) { return ix_.PickPoint(at); }
Element* ToolContext::CreatePointAtClick(Pt at, bool storeUndo) {
  return ix_.CreatePointAtClick(at, storeUndo);
}

void ToolContext::EnsureStep() {
  if (ix_.snapshotTaken_) return;
  ix_.StoreStep();
  ix_.snapshotTaken_ = true;
}
void ToolContext::StoreStep() { ix_.StoreStep(); }
void ToolContext::RollBackStep() {
  Document& d = ix_.doc();
  Undo(d, [this](Document& x) { ix_.Reresolve(x); });
  DropRedoTail(d, d.undo.position);
}
bool ToolContext::stepTaken() const { return ix_.snapshotTaken_; }
Element* ToolContext::Make(ElementTemplate& t) { return ix_.MakeElement(t); }
CreationSettings ToolContext::Settings() const {
  CreationSettings settings;
  settings.options = &ix_.ws_.options;
  settings.currentColour = ix_.ColourForNewElements();
  return settings;
}
Element* ToolContext::Commit() { return ix_.Commit(); }
void ToolContext::EndGesture() { ix_.EndGesture(); }
void ToolContext::SelectTool(Tool t) { ix_.SelectTool(t); }
void ToolContext::Recompute() { ix_.Recompute(); }
void ToolContext::Repaint() { ix_.host_.Repaint(); }

int32_t ToolContext::currentColour() const { return ix_.currentColour_; }
int32_t ToolContext::currentFill() const { return ix_.currentFill_; }
void ToolContext::NoteColourUsed() { ix_.colourToolUsed_ = true; }
void ToolContext::ClearDetection() { ix_.ClearDetection(); }

void ToolContext::BeginZoom(Pt at) {
  ix_.StoreStep();
  ix_.zooming_ = true;
  ix_.zoomCentre_ = at;
  ix_.zoomLastY_ = at.y;
}
void ToolContext::PressMoveTool(Pt at) { ix_.PressMoveTool(at, ix_.mods_); }

}  // namespace velt
