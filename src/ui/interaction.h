#pragma once
// The construction state machine of the main window: the current tool, the gesture in
// progress, detection under the pointer, selection and dragging. The window forwards pointer
// and key events in pixels of the plane area; everything else goes through the Host.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/create.h"
#include "ui/calculator_session.h"
#include "ui/detection.h"
#include "ui/element_moves.h"
#include "ui/host.h"
#include "ui/workspace.h"

namespace velt {

enum class MouseButton { Left, Right, Middle };
struct KeyMods {
  bool shift = false;
  bool ctrl = false;
};
enum class Key { Escape, Left, Right, Up, Down, Plus, Minus, Control, Other };

// The short text drawn beside the pointer.
struct CursorMessage {
  std::string text;
  int32_t colour = 0;
  double px = 0, py = 0;
  bool visible = false;
};

struct SelectionRect {
  bool active = false;
  Pt start, corner;  // plane coordinates
};

class Interaction {
 public:
  Interaction(Workspace& ws, Host& host);

  // ---- tools
  void SelectTool(Tool tool);
  Tool tool() const { return tool_; }
  int pickCounter() const { return pickCounter_; }
  const std::vector<Element*>& picks() const { return picks_; }
  const DetectionMask& mask() const { return mask_; }
  bool snapshotTaken() const { return snapshotTaken_; }

  // ---- pointer and keys (pixel positions relative to the plane area)
  void MouseDown(MouseButton b, double px, double py, KeyMods mods);
  void MouseMove(double px, double py, KeyMods mods, bool leftHeld);
  void MouseUp(MouseButton b, double px, double py, KeyMods mods);
  void DoubleClick(double px, double py);
  void KeyDown(Key k, KeyMods mods);
  void KeyUp(Key k);

  // ---- the calculator of tools 42-44 (its state is the workspace's calculator)
  // The execute button with the text of the expression box.
  CalcResult ExecuteCalculator(std::string_view text);
  // The function type chosen in the calculator (1..4).
  void SetFunctionType(int32_t type);
  // A dialog changes the figure: one undo step first (the window's state follows the list).
  void StoreEditStep();

  // ---- commands that touch the gesture
  void UndoCommand();
  void RedoCommand();
  void DeleteSelection();  // "Borrar"
  void SelectAll();
  void SelectGroup(int32_t type);
  void DeleteAllElements();  // "Eliminar Todo"
  void ToggleShowHidden();
  void DisableAllTraces();  // "Desactivar todas las trazas"
  // Opens the editor of an element (the construction list's double click).
  void OpenEditor(Element& e);
  // Before the current document changes (the open gesture is abandoned in its own document)
  // and after it changed (switch, new, open, close).
  void BeforeDocumentChange() {
    SettlePendingButton();
    SelectTool(Tool::Sel);
  }
  void DocumentChanged();
  // The drawn boxes of text-like elements, from the drawing side.
  void SetBoxOf(BoxOf f) { boxOf_ = std::move(f); }

  // ---- action buttons (ui/tools_buttons.cpp)
  // The movement button's timer ran out: the pressed button pops up.
  void ButtonTimerTick();
  bool buttonTimerRunning() const { return buttonTimer_; }
  // Redefinition of a hide/show button (from its edit dialog): tool 56 with the button's
  // elements selected; a click on empty plane or on the button makes its replacement.
  void RedefineButton(Element& button);

  // ---- the palette
  void SetCurrentColour(int32_t colour, bool fill);
  int32_t currentColour() const { return currentColour_; }
  // The colour new elements take while the rule of the colour tool holds.
  std::optional<int32_t> ColourForNewElements() const;

  // ---- what the window draws over the picture
  const Detection& detection() const { return detection_; }
  const CursorMessage& cursorMessage() const { return message_; }
  const SelectionRect& selectionRect() const { return rect_; }
  bool dragging() const { return dragging_; }
  bool panning() const { return panning_; }
  // Elements of the construction being built, computed for the pointer position; the
  // helpers stand for the pointer and are not drawn.
  struct PreviewElements {
    std::vector<ElementPtr> helpers;
    std::vector<ElementPtr> drawn;
  };
  PreviewElements Preview() const;
  // The blink phase of the picks (toggled by BlinkTick every 180 ms).
  bool blinkOn() const { return blinkOn_; }
  void BlinkTick() {
    blinkOn_ = !blinkOn_;
    host_.Repaint();
  }

  // Where the pointer is, in plane coordinates.
  Pt pointer() const { return pointer_; }
  Pt ToPlane(double px, double py) const;

 private:
  friend class ToolContext;
  Document& doc() const { return ws_.doc(); }
  DetectionQuery Query(Pt at) const;
  void RunDetection(Pt at);
  void ClearDetection();
  void UpdateMessage();
  void ShowPrompt();

  void SelectToolImpl(Tool tool, bool rollBack);
  // gesture bookkeeping
  void ResetGesture();
  void EndGesture();
  void StoreStep();
  void Reresolve(Document& d);
  void AddPick(Element* e);
  Element* CreatePointAtClick(Pt at, bool storeUndo);
  Element* Commit();
  Element* MakeElement(ElementTemplate& t);
  void Recompute();

  // picking
  Element* PickPoint(Pt at);  // the element under the pointer as a point, or a new one
  Element* UnderPointer() const { return detection_.first(); }
  int SideUnderPointer() const;
  void PressMoveTool(Pt at, KeyMods mods);
  // A press in tool 0 on an active button; ignored while the pop-up timer runs.
  void PressButtonElement(Element& b);
  // The pending movement button pops up at once (before the document changes).
  void SettlePendingButton();

  // dragging
  void StartDrag();
  // A constructed point traced by a locus is dragged through the locus's driver.
  bool StartLocusDrag(Element& e);
  void LocusDragStep(Pt at);
  void DragStep(Pt at);
  // The element the drag moves, for the rules that leave it alone (null for a selection).
  const Element* DraggedElement() const;
  void EndDrag();
  void FinishRectangle(KeyMods mods);
  void MoveSelectionBy(Pt delta);
  void ZoomStep(Pt at);

  Workspace& ws_;
  Host& host_;
  BoxOf boxOf_;

  Tool tool_ = Tool::Sel;
  KeyMods mods_;  // of the press being handled
  int pickCounter_ = 0;
  ElementTemplate tmpl_;
  std::vector<Element*> picks_;
  DetectionMask mask_{};
  bool snapshotTaken_ = false;

  Detection detection_;
  CursorMessage message_;
  Pt pointer_;
  const Element* locusDrag_ = nullptr;  // the locus whose driver a drag moves
  bool ctrlHeld_ = false;
  bool blinkOn_ = false;

  // tool 0
  bool clickPending_ = false;
  Element* pressed_ = nullptr;  // the element pressed in tool 0
  bool dragging_ = false;
  bool groupDrag_ = false;
  std::vector<Element*> movers_;       // what a drag moves
  std::vector<MoveStart> moveStarts_;  // and where each started
  Pt pressAt_;                         // where the press in tool 0 was
  SelectionRect rect_;
  bool keyRun_ = false;  // an arrow-key run has stored its step

  // action buttons, held by number: the list they are in may be replaced by undo
  int32_t pendingButton_ = -1;    // the movement button drawn down until the timer runs out
  bool buttonTimer_ = false;      // the pop-up timer runs: presses are ignored
  int32_t redefinedButton_ = -1;  // the hide/show button tool 56 is redefining

  // right-button plane move and the zoom tool
  bool panning_ = false;
  double panStartPx_ = 0, panStartPy_ = 0, panLeft_ = 0, panTop_ = 0;
  bool zooming_ = false;
  Pt zoomCentre_;
  double zoomLastY_ = 0;

  // the palette
  int32_t currentColour_ = 255;
  int32_t currentFill_ = 255;
  bool colourToolUsed_ = false;  // tool 64 coloured an element
  bool colourForNext_ = false;   // the tool after 64 builds in the current colour
};

}  // namespace velt
