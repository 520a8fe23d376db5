#pragma once
// What the interaction needs from the window: message boxes, dialogs, status texts, repaint.
#include <optional>
#include <string>

#include "model/document_set.h"
#include "ui/iteration_session.h"
#include "ui/stoppable_work.h"
#include "ui/text_editing.h"
#include "ui/tool_table.h"

namespace velt {

class EditSession;
class PointEntrySession;

enum class MessageIcon { Information, Warning, Error };

class Host : public DocumentHost {
 public:
  // A message box titled VELT.
  virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
  // Draws the current document again (its picture, the picks, previews and highlight).
  virtual void Repaint() = 0;
  // Texts of the status bar panels (0 coordinate system, 1 angle unit, 2 prompt or element).
  virtual void SetStatus(int panel, const std::string& text) = 0;
  // The blink timer of the picks: on while a gesture is open.
  virtual void SetBlinking(bool on) = 0;
  // The movement button's pop-up timer: after `milliseconds` the window calls
  // Interaction::ButtonTimerTick once; 0 stops a timer that has not run out.
  virtual void SetButtonTimer(int milliseconds) = 0;
  // The tool changed: press its button.
  virtual void ToolChanged(Tool tool) = 0;
  // Undo, redo and the document list may have changed.
  virtual void CommandsChanged() = 0;
  // The dialogs of the element editors; each returns once its dialog has closed.
  // The element edit dialog, acting on the session live; a session left open is closed as
  // Cancel by the caller.
  virtual void RunEditDialog(EditSession&) {}
  // The parametric colour dialog: the scale chosen (1, 2, 3..101 or 103..201), nothing when
  // cancelled.
  virtual std::optional<int32_t> ChooseColourScale() { return std::nullopt; }
  // The point entry dialog, accepting pairs through the session until it is closed.
  virtual void RunPointEntry(PointEntrySession&) {}
  // The text editor opened at a plane position on a text (empty for a new one); the edited
  // text, or nothing when cancelled.
  virtual std::optional<EditedText> EditText(const EditedText&, Pt) { return std::nullopt; }
  virtual bool ChooseFont(Font&) { return false; }
  // The calculator of tools 42-44 opens or closes; its state is the workspace's calculator.
  virtual void ShowCalculator(bool) {}
  // The calculator's variables, expression or result changed from outside the dialog.
  virtual void CalculatorChanged() {}
  // Opens the parameter dialog on a parameter (kind 63).
  virtual void EditParameter(Element&) {}
  // A picture file chosen by the user, as BMP bytes; nothing when cancelled.
  virtual std::optional<Picture> ChoosePicture() { return std::nullopt; }
  // The animation list changed; `shown` is the entry the animation window should show.
  virtual void AnimationsChanged(const Element* /*shown*/) {}
  // What shows a long recompute and reads Escape meanwhile; none: recomputes run to the end.
  virtual BusyWindow* Busy() { return nullptr; }
  // The iteration dialog (modal): what the user pressed; Cancel when closed.
  virtual IterationDialogAnswer IterationDialog(const IterationDialogState&) { return {}; }
  // The number-of-iterations dialog: the text typed, nothing when cancelled.
  virtual std::optional<std::string> AskIterationCount(int32_t) { return std::nullopt; }
};

}  // namespace velt
