#pragma once
// The element edit dialog's work, without the dialog: every control changes the element at
// once and the figure is recomputed and repainted; Accept keeps the changes as one undo step,
// Cancel puts the document back as it was when the session opened.
//
// The controls a type shows come from one table (ControlsFor).
#include <cstdint>
#include <string>

#include "ui/tool_context.h"

namespace velt {

// Which controls act on an element.
struct EditControls {
  bool pointStyles = false;  // BPunor .. BPun1p
  bool lineStyles = false;   // Blinor .. Bligran7
  bool angleStyles = false;  // Bang1 .. Bang3
  bool colour = true;
  bool nameVisibility = false;    // vernom
  bool decimals = false;          // CB_ndec
  bool labelFont = false;         // B_tiplet
  bool tableOrientation = false;  // B_f_tabla
  bool axesUnits = false;         // Bejeuni1 (enabled while the units differ)
  bool fullTurn = false;          // B02pi
  bool anchor = false;            // B_pBTM1..9
  bool pointCount = false;        // Ed_npLG
  bool graphRange = false;        // Ed_exta, Ed_extb
  bool increment = false;         // Ed_parinct
  bool editDefinition = false;    // Bmodcpf
  bool unit = false;              // Buni
  bool iteration = false;         // Bitf, Bitp, Bitc, Bitcu (and Ed_npLG for the steps)
  bool invert = false;            // Binvom
  bool redefinePoint = false;     // Bmodpr
  bool redefineButton = false;    // Bmodbvnv
};
EditControls ControlsFor(const Element& e);

// The dialog's fields, read when the user accepts.
struct EditFields {
  std::string name;
  int decimals = 2;
  std::string pointCount;
  std::string graphFrom, graphTo;
  std::string increment;
};

// What the dialog asked for on closing, carried out once it has closed.
enum class EditRequest { None, ParametricColour, EditDefinition, RedefinePoint, RedefineButton };

// What the unit button does for a number: nothing, show or hide the unit of its dimension,
// or offer the unit kinds (a calculation without a dimension, a parameter).
enum class UnitAction { None, Toggle, Choose };

class EditSession {
 public:
  enum class State { Open, Accepted, Cancelled, Deleted };

  // Stores the undo step that Cancel goes back to and OK keeps.
  EditSession(ToolContext& c, Element& e);

  // The element being edited; null once it was deleted.
  Element* element() const { return state_ == State::Deleted ? nullptr : e_; }
  const EditControls& controls() const { return controls_; }
  // The fields as the dialog opens with them.
  const EditFields& initialFields() const { return initial_; }
  State state() const { return state_; }
  EditRequest request() const { return request_; }
  // The style whose button is shown pressed.
  int32_t style() const { return e_->style; }
  bool axesUnitsDiffer() const;
  bool fullTurn() const;
  bool transposed() const { return e_->attr1 == kTransposed; }
  UnitAction unitAction() const;
  // The unit shown now: 0 none, 1 length, 2 area, 3 angle.
  int32_t unitShown() const { return e_->attr3; }
  // The iteration's on/off options (IterationOption bits) and its colour flag.
  int32_t iterationOptions() const;
  bool iterationColourFlag() const;
  // Whether the hide/show button was inverted since the dialog opened.
  bool inverted() const { return inverted_; }

  // ---- live controls
  void SetColour(int32_t colour);  // a palette or custom colour: no parametric colour
  void SetStyle(int32_t style);
  void ToggleVisible();
  void ToggleNameVisible();
  void SetLabelFont(const Font& f);
  void SetTransposed(bool down);
  void EqualAxisUnits();
  void SetFullTurn(bool on);
  void SetAnchor(int32_t anchor);  // 1..9
  // Shows or hides the unit of a number with a dimension; the numbers calculated from it
  // take their dimensions again.
  void ToggleUnit();
  // The unit kind (0..3) of a calculation without a dimension or of a parameter, passed on
  // in the same way.
  void SetUnitKind(int32_t dimension);
  void SetIterationOption(int32_t option, bool on);
  void SetIterationColourFlag(bool on);  // the colour flag 111, or 0
  // Turns the hide/show button's action over and applies it again in its present state.
  void InvertButton();
  // Deletes the element with its dependents and closes; the deletion stands.
  void Delete();

  // ---- closing
  // Checks every field first: one that does not evaluate shows the invalid-input message,
  // changes nothing and keeps the session open (false). Otherwise stores the fields and
  // closes; when nothing differs from the opening the undo step is taken back.
  bool Accept(const EditFields& fields);
  void Cancel();
  // Closes as Cancel does, asking for something to follow.
  void CancelAndRequest(EditRequest r);

  static constexpr int32_t kTransposed = -100;

 private:
  void Changed();
  void PassUnitOn();
  ToolContext& c_;
  Element* e_;
  int32_t number_ = -1;
  int32_t wasModified_ = 0;
  std::string opening_;  // the figure as it was
  EditControls controls_;
  EditFields initial_;
  State state_ = State::Open;
  bool inverted_ = false;
  EditRequest request_ = EditRequest::None;
};

// Bounds of the point count of a locus typed in the dialog.
inline constexpr int32_t kMinDialogLocusPoints = 10;
inline constexpr int32_t kMaxDialogLocusPoints = 50000;

}  // namespace velt
