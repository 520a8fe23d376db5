#pragma once
// The tools of the main window, one row each: the button, what each pick accepts, what the
// picks build and, for tools with a gesture of their own, the code that runs it.
//
// A tool that is "n picks, then one kind" is its row alone: the picks go to the parent slots
// the row names and the generic gesture commits the kind. A tool with a gesture of its own
// names its handler; handlers live in ui/tools_<family>.cpp, one file per family.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "geometry/primitives.h"
#include "model/create.h"
#include "model/element.h"
#include "model/kinds.h"

namespace velt {

inline constexpr int kToolCount = 83;  // tools 0..82; 68..82 belong to the style buttons

// The tools, named after their toolbar buttons. The number of a tool (its position here) is
// what files, scripts and the language table use.
enum class Tool : int8_t {
  Sel,
  B_Punto,
  B_Recta,
  B_Rayo,
  B_Conica_5p,
  B_Circunf,
  B_Circ2pr,
  B_Recta_Para,
  B_Recta_Perp,
  B_Segmento,
  B_Poligono,
  B_Polireg,
  B_vector,
  B_vectorsuma,
  B_arco3p,
  B_2_div_seg,
  B_2_Sectriz,
  B_Mediatriz,
  B_Punto_Inter,
  B_Lugar_G,
  B_Punto_Sim,
  B_sim_ax,
  B_traslac,
  B_giro,
  B_homotec,
  B_inversion,
  B_comp_par,
  B_comp_perp,
  B_comp_pert,
  B_comp_eq,
  B_comp_al,
  B_punto_desp,
  B_puncoord,
  B_rep_pun,
  B_N_longdist,
  B_N_angulo,
  B_N_area,
  B_N_pend,
  B_N_prop,
  B_N_ejes,
  B_N_ecoord,
  B_N_cuadricula,
  B_N_calcular,
  B_N_parametro,
  B_N_funcion,
  B_N_rep_fun,
  B_redefpun,
  B_traza,
  B_anim,
  B_zoom,
  B_N_tabla,
  B_MacCon,
  B_mac_ini,
  B_mac_fin,
  B_Texto,
  B_Angulo,
  B_vernoverbot,
  B_movbot,
  B_inbitmap,
  B_iteracion,
  B_vernover,
  B_editelem,
  B_elimelem,
  B_font,
  B_color,
  B_color_relleno,
  B_colorpar,
  B_colorpar_relleno,
  B_forma_punto1,
  B_forma_punto2,
  B_forma_punto3,
  B_forma_punto4,
  B_forma_punto5,
  B_forma_punto6,
  B_forma_linea1,
  B_forma_linea2,
  B_forma_linea3,
  B_forma_linea4,
  B_forma_linea5,
  B_forma_linea6,
  B_forma_angulo1,
  B_forma_angulo2,
  B_forma_angulo3,
};

constexpr int ToolNumber(Tool t) { return static_cast<int>(t); }
// The tool of a number (files, scripts, the language table); nullopt outside 0..82.
std::optional<Tool> ToolFromNumber(int number);
// The tool of a button name ("B_Circ2pr"); nullopt for an unknown name.
std::optional<Tool> ToolFromButton(std::string_view button);
// Tools in a range of the table, both ends included (the style buttons' members).
constexpr bool ToolBetween(Tool t, Tool first, Tool last) {
  return ToolNumber(t) >= ToolNumber(first) && ToolNumber(t) <= ToolNumber(last);
}

// One value per element type: 0 = not pickable; for the punto type the number of points
// the tool still needs.
using DetectionMask = std::array<int8_t, kTypeCount>;

// Where a pick goes in the construction template.
enum class Slot : int8_t { Parent1, Parent2, Parent3, List, None };

// One pick of a tool.
struct PickStep {
  DetectionMask mask{};       // what can be picked at this step
  int prompt = 0;             // language-table number of the status prompt
  bool pointOnClick = false;  // anything but a point under the click makes a point there
  Slot slot = Slot::None;     // where the pick goes
};

class ToolContext;
// A gesture of its own: runs on each left press of the tool (at: plane coordinates).
using PressFn = void (*)(ToolContext&, Pt at);
// Double click: runs instead of the move tool's double click.
using DoubleClickFn = void (*)(ToolContext&);
// The element being built, drawn provisionally with the pointer standing for the next pick:
// templates built like new elements, and the points that stand for the pointer.
struct PreviewSet {
  std::vector<ElementPtr> helpers;  // never drawn; the templates may name them as parents
  std::vector<ElementTemplate> drawn;
  // A free point at p, owned by the set.
  Element* PointAt(Pt p);
};
using PreviewFn = void (*)(const std::vector<Element*>& picks, Pt pointer, PreviewSet& out);

// Applied to the selection when the tool is chosen with elements selected; false when it did
// nothing.
using SelectionFn = bool (*)(ToolContext&);

enum class CrossingOffer : int8_t { Never, WhilePoints, Always };

// When an axis line under the pointer stands for its whole axes: never (the line enters),
// always, or while the gesture awaits axes rather than a line (a macro's parameters).
enum class WholeAxes : int8_t { Never, Always, WhenAwaited };

// What a tool does with each click on an element (and with the selection when it is chosen).
enum class ToolRole : int8_t { Construct, Move, Edit };

struct ToolRow {
  Tool tool{};
  std::string_view button;
  bool built = false;  // whether the tool works in this version
  ToolRole role = ToolRole::Construct;
  DetectionMask start{};        // the row of the mask table: the mask when a gesture starts
  std::vector<PickStep> steps;  // the picks of a row-only tool, in order
  int32_t kind = -1;            // what the picks build
  int32_t kindOnEmpty = -1;     // the kind when the last pick is a click on empty plane
  PressFn press = nullptr;      // a gesture of its own
  DoubleClickFn doubleClick = nullptr;
  PreviewFn preview = nullptr;
  SelectionFn onSelection = nullptr;
  // Takes the selection as the object of the gesture when the tool is chosen with elements
  // selected: runs once the gesture is reset, and the elements stay selected.
  SelectionFn selectionAsObject = nullptr;
  // Runs each time the tool is chosen, once its gesture is reset (a dialog of the tool).
  SelectionFn onChoose = nullptr;
  bool messageLower = false;  // the pointer shape reaches below the hot spot

  // ---- detection under the pointer
  // Two curves under the pointer offer their crossing as a new point: never, while the tool
  // still wants points, or always (the point tool).
  CrossingOffer crossings = CrossingOffer::Never;
  int8_t sidesFromPick = -1;  // from this pick on a polygon's side enters as a segment
  WholeAxes wholeAxes = WholeAxes::Never;
  bool coordinateNumbers = false;  // a coordinates element's x and y numbers are found apart
  bool prefersSelected = true;     // of several hits, only the selected ones stay
  bool repicks = false;            // the gesture's picks can be picked again
  bool closesOnFirst = false;      // the first pick can be picked again to close the figure
  // Only the elements this accepts are found (the animation tool: what can move by itself).
  bool (*finds)(const Element&) = nullptr;
};

const ToolRow& RowOf(Tool t);

// The tool's row of the mask table (the state at the start of a gesture).
inline const DetectionMask& ToolMask(Tool t) { return RowOf(t).start; }
// Language-table numbers of the tool's status prompt and button hint.
int ToolPromptNumber(Tool t);
int ToolHintNumber(Tool t);

// Tools that act on every click on an element (and on a selection when chosen).
inline bool IsEditTool(Tool t) { return RowOf(t).role == ToolRole::Edit; }

}  // namespace velt
