#pragma once
// The gestures of the tools that are more than their row, by family. Each family's code lives
// in its own ui/tools_<family>.cpp; the tool table names these functions in its rows.
#include <string_view>
#include <vector>

#include "ui/tool_context.h"

namespace velt {

// ---- points (tools_points.cpp)
void PressPoint(ToolContext& c, Pt at);     // one click: free, on an element, or a crossing
void PressRedefine(ToolContext& c, Pt at);  // tie a point to a curve, merge it, or free it
// Tool 46 with the point already picked: the next click gives its new definition.
void StartPointRedefinition(ToolContext& c, Element& point);

// ---- straight elements (tools_straight.cpp)
void PressParallel(ToolContext& c, Pt at);   // a straight element and a point in either order
void PressVectorSum(ToolContext& c, Pt at);  // two vectors, then the point they move
void PreviewLine(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
void PreviewRay(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
void PreviewSegment(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
void PreviewVector(const std::vector<Element*>& picks, Pt k, PreviewSet& out);

// ---- circles, arcs and angle marks (tools_curves.cpp)
void PreviewCircle(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
void PreviewArc(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
void PreviewAngleMark(const std::vector<Element*>& picks, Pt k, PreviewSet& out);

// ---- polygons (tools_polygons.cpp)
void PressPolygon(ToolContext& c, Pt at);
void ClosePolygon(ToolContext& c);
void PressRegularPolygon(ToolContext& c, Pt at);
void PreviewPolygon(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
void PreviewRegularPolygon(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
// The regular polygon chosen by the angle at the centre from the first vertex to the pointer:
// n vertices, each k steps of 2pi/n from the previous one.
struct PolygonChoice {
  int n = 3, k = 1;
};
PolygonChoice RegularPolygonFor(double theta);

// ---- loci and traces (tools_loci.cpp)
void PressLocus(ToolContext& c, Pt at);  // the traced element, then its driver
void PressTrace(ToolContext& c, Pt at);  // each click switches a trace on or off
// Removes e from the trace list, or adds it while the list holds fewer than 100; false when
// the list was full.
bool ToggleTrace(Figure& figure, Element& e);

// ---- animation (tools_animation.cpp)
// Tool 48: each click adds an animatable element to the animation list or takes it out.
void PressAnimation(ToolContext& c, Pt at);

// ---- intersections (tools_intersection.cpp)
void PressIntersection(ToolContext& c, Pt at);

// ---- transformations (tools_transform.cpp)
// Tools 20-24: the object (one element, or the selection the tool was chosen with), then the
// centre, axis, vector or two points, centre and number.
void PressTransform(ToolContext& c, Pt at);
// Tool 25: a circle and a point in either order (the selection stands for the point).
void PressInversion(ToolContext& c, Pt at);
// The selection becomes the object of a transformation tool.
bool TakeSelectionToTransform(ToolContext& c);
void PreviewCentralSymmetry(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
void PreviewTranslation(const std::vector<Element*>& picks, Pt k, PreviewSet& out);
void PreviewInversion(const std::vector<Element*>& picks, Pt k, PreviewSet& out);

// ---- pictures (tools_bitmap.cpp)
// Tool 58: a point, segment or vector, then a picture file; the bitmap is anchored to it.
void PressInsertBitmap(ToolContext& c, Pt at);

// ---- fonts (tools_fonts.cpp)
// Tool 63: the element clicked, or every selected one (false with no selection), takes the
// font chosen in the font dialog; one undo step only when the dialog is confirmed.
void PressFont(ToolContext& c, Pt at);
bool FontSelection(ToolContext& c);

// ---- measurements, checkers, equations and coordinates (tools_measures.cpp)
// The answer's label stands where the last click was (tool 40: the first); a pair of axes is
// taken without a pick when the document has exactly one.
void PressStraightChecker(ToolContext& c, Pt at);        // 26, 27
void PressMembershipChecker(ToolContext& c, Pt at);      // 28
void PressPointsChecker(ToolContext& c, Pt at);          // 29, 30
void PressDisplacedPoint(ToolContext& c, Pt at);         // 31
void PressPointByCoordinates(ToolContext& c, Pt at);     // 32
void PressLengthDistance(ToolContext& c, Pt at);         // 34
void PressAngleValue(ToolContext& c, Pt at);             // 35
void PressArea(ToolContext& c, Pt at);                   // 36
void PressSlope(ToolContext& c, Pt at);                  // 37
void PressProportion(ToolContext& c, Pt at);             // 38
void PressEquationOrCoordinates(ToolContext& c, Pt at);  // 40
// The document's only pair of axes, or null when it has none or several.
Element* SoleAxes(const Document& doc);

// ---- calculations, parameters, functions, graphs and tables (tools_numbers.cpp)
// Tools 42-44: each number, coordinate number or user function picked becomes a variable of
// the expression in the calculator.
void PressCalculatorPick(ToolContext& c, Pt at);
// The calculator's execute button: evaluates the text and, when it is valid, makes the
// calculation, parameter or function (one undo step), or redefines the one being edited.
struct CalcResult;
CalcResult ExecuteCalculator(ToolContext& c, std::string_view text);
// Double click on a calculation or function (the calculator in tool 42 or 44, loaded with
// it) or a parameter (its dialog); false for other elements.
bool OpenNumberEditor(ToolContext& c, Element& e);
void PressGraph(ToolContext& c, Pt at);  // 45: a function, then the axes (axes rule)
void PressTable(ToolContext& c, Pt at);  // 50: numbers, then empty plane; or a table

// ---- editing and style (tools_edit.cpp)
void PressEdit(ToolContext& c, Pt at);  // applies the tool to the element clicked
// Applies the tool to every selected element (one undo step); false with no selection.
bool EditSelection(ToolContext& c);

// ---- dialogs on the figure (tools_dialogs.cpp)
void PressEditElement(ToolContext& c, Pt at);       // 61: opens the element's editor
void PressPointEntry(ToolContext& c, Pt at);        // 33: the axes, then typed points
void PressText(ToolContext& c, Pt at);              // 54: the text editor at the click
void PressParametricColour(ToolContext& c, Pt at);  // 66, 67: an element, then a number
// The text editor for a text, the element edit dialog for anything else.
void OpenElementEditor(ToolContext& c, Element& e);
// A double click on an element in the move tool: a plotted point opens the point entry
// dialog on it. False when the element has no such editor.
bool DoubleClickElement(ToolContext& c, Element& e);

// ---- macros (tools_macros.cpp)
void PressMacroInitial(ToolContext& c, Pt at);  // tool 52: toggles an initial element
void PressMacroFinal(ToolContext& c, Pt at);    // tool 53: toggles a final element
void PressMacroApply(ToolContext& c, Pt at);    // tool 51: the chosen macro's next parameter

// ---- action buttons (tools_buttons.cpp)
// Tool 56: each element clicked goes into or out of the selection; a click on empty plane
// (or on the button being redefined) makes the hide/show button of the selected elements.
void PressHideShowButton(ToolContext& c, Pt at);
// Tool 57: points in pairs (the point to move, then the point it goes to); a click on empty
// plane makes the movement button, or refuses pairs that cannot be.
void PressMoveButton(ToolContext& c, Pt at);

// ---- iteration (tools_iteration.cpp)
// Tool 59: the dialog opens when the tool is chosen; clicks then fill the chosen set, or
// give the count (a number, or a click on the plane for a fixed count).
bool OpenIterationDialog(ToolContext& c);
void PressIteration(ToolContext& c, Pt at);

// ---- moving (tools_move.cpp)
void PressMove(ToolContext& c, Pt at);  // selection, rectangle, start of a drag
void PressZoom(ToolContext& c, Pt at);

}  // namespace velt
