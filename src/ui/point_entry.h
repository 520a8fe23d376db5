#pragma once
// Typed points: each accepted pair of coordinates (expressions) becomes a plotted point of a
// pair of axes, or changes the coordinates of the plotted point being edited. The dialog
// drives the session; the first accepted pair stores the session's one undo step.
#include <string>
#include <string_view>

#include "ui/tool_context.h"

namespace velt {

class PointEntrySession {
 public:
  // New points on the axes.
  PointEntrySession(ToolContext& c, Element& axes);
  // The plotted point's own coordinates (both may change); later pairs make new points.
  PointEntrySession(ToolContext& c, Element& axes, Element& plotted);

  // What the fields show when the dialog opens: the edited point's coordinates in fixed
  // notation with 4 decimals, empty for new points.
  const std::string& initialX() const { return initialX_; }
  const std::string& initialY() const { return initialY_; }
  bool editing() const { return editedNumber_ >= 0; }
  int entries() const { return entries_; }

  // Accepts a pair: x and y, or with polar set r and an angle in degrees. A field that does
  // not evaluate shows the invalid-input message and changes nothing (false).
  bool Accept(std::string_view cx, std::string_view cy, bool polar);

 private:
  ToolContext& c_;
  int32_t axesNumber_ = -1;
  int32_t editedNumber_ = -1;
  int entries_ = 0;
  std::string initialX_, initialY_;
};

}  // namespace velt
