#pragma once
// What the gesture code of a tool family may do with the interaction: read what lies under
// the pointer, turn clicks into points, collect picks, and commit the construction.
#include <vector>

#include "model/create.h"
#include "ui/tool_table.h"

namespace velt {

class Host;
class Interaction;
class Workspace;
struct Document;

class ToolContext {
 public:
  explicit ToolContext(Interaction& ix) : ix_(ix) {}

  Document& doc() const;
  Workspace& workspace() const;
  Host& host() const;
  Tool tool() const;
  const ToolRow& row() const { return RowOf(tool()); }
  bool shift() const;
  bool ctrl() const;

  // ---- under the pointer
  // The first element detected (an intersection candidate counts), or null.
  Element* Under() const;
  // An existing element under the pointer (not a crossing candidate), or null.
  Element* UnderElement() const;
  bool OnCrossing() const;
  // The polygon side or axis line that was hit, -1 when none.
  int SideUnder() const;

  // ---- the gesture
  int pickCount() const;
  const std::vector<Element*>& picks() const;
  ElementTemplate& tmpl() const;
  DetectionMask& mask() const;
  void AddPick(Element* e);
  // Elements that stand together for the gesture's first pick (a selection taken as the
  // object): the template's list holds them and the pick counter stands at 1. They are not
  // in the picks list, so they can still be picked for the rest of the gesture.
  void TakeAsFirstPick(std::vector<Element*> elements);
  // The point under the pointer, or a new one made by the click (free, on an element, or at
  // a crossing), storing the gesture's undo step first.
  Element* PickPoint(Pt at);
  Element* CreatePointAtClick(Pt at, bool storeUndo);
  // Stores the gesture's undo step unless it already did; elements held by the gesture are
  // looked up again in the list the step leaves.
  void EnsureStep();
  // Stores an undo step whatever the gesture did before.
  void StoreStep();
  // Goes back to the step just stored and forgets it, as if it had never been stored (a
  // dialog cancelled after acting live).
  void RollBackStep();
  bool stepTaken() const;
  // Makes an element of the template now (the gesture goes on).
  Element* Make(ElementTemplate& t);
  // What new elements are made with: the options and the colour they take.
  CreationSettings Settings() const;
  // Commits the template and ends the gesture.
  Element* Commit();
  void EndGesture();
  // Chooses another tool (the gesture is over).
  void SelectTool(Tool t);
  void Recompute();
  void Repaint();

  // ---- the palette and the highlight
  int32_t currentColour() const;
  int32_t currentFill() const;
  void NoteColourUsed();  // the colour tool coloured something
  void ClearDetection();

  // ---- action buttons
  // The hide/show button tool 56 is redefining, or null.
  Element* RedefinedButton() const;
  // Starts redefining a hide/show button: tool 56 with its elements selected.
  void RedefineButton(Element& button);
  // The caption a new button of this kind takes, in the language in use.
  std::string DefaultCaption(int32_t kind) const;

  // ---- hooks of the move-like gestures
  void BeginZoom(Pt at);
  void PressMoveTool(Pt at);

 private:
  Interaction& ix_;
};

// The gesture of a row-only tool: each press takes the row's next pick, and the last one
// commits the row's kind.
void GenericPress(ToolContext& c, Pt at);

}  // namespace velt
