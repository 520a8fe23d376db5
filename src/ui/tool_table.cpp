#include "ui/tool_table.h"

#include <initializer_list>

#include "anim/animation.h"
#include "ui/strings_window.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

using Types = std::initializer_list<int>;

DetectionMask Row(Types types, int points = 0) {
  DetectionMask m{};
  for (int t : types) m[t] = 1;
  if (points > 0) m[kTypePoint] = static_cast<int8_t>(points);
  return m;
}

DetectionMask AllBut(Types excluded) {
  DetectionMask m;
  m.fill(1);
  for (int t : excluded) m[t] = 0;
  return m;
}

// The curves a click can put a point on.
const Types kCarriers = {kTypeLine,  kTypeRay,  kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc,
                         kTypeLocus, kTypeAxes, kTypeConic,   kTypeGrid,    kTypeVector};

// Points still needed, and the curves a click can put one on.
DetectionMask PointsAndCarriers(int points) { return Row(kCarriers, points); }

constexpr std::array<std::string_view, kToolCount> kButtons = {"Sel",
                                                               "B_Punto",
                                                               "B_Recta",
                                                               "B_Rayo",
                                                               "B_Conica_5p",
                                                               "B_Circunf",
                                                               "B_Circ2pr",
                                                               "B_Recta_Para",
                                                               "B_Recta_Perp",
                                                               "B_Segmento",
                                                               "B_Poligono",
                                                               "B_Polireg",
                                                               "B_vector",
                                                               "B_vectorsuma",
                                                               "B_arco3p",
                                                               "B_2_div_seg",
                                                               "B_2_Sectriz",
                                                               "B_Mediatriz",
                                                               "B_Punto_Inter",
                                                               "B_Lugar_G",
                                                               "B_Punto_Sim",
                                                               "B_sim_ax",
                                                               "B_traslac",
                                                               "B_giro",
                                                               "B_homotec",
                                                               "B_inversion",
                                                               "B_comp_par",
                                                               "B_comp_perp",
                                                               "B_comp_pert",
                                                               "B_comp_eq",
                                                               "B_comp_al",
                                                               "B_punto_desp",
                                                               "B_puncoord",
                                                               "B_rep_pun",
                                                               "B_N_longdist",
                                                               "B_N_angulo",
                                                               "B_N_area",
                                                               "B_N_pend",
                                                               "B_N_prop",
                                                               "B_N_ejes",
                                                               "B_N_ecoord",
                                                               "B_N_cuadricula",
                                                               "B_N_calcular",
                                                               "B_N_parametro",
                                                               "B_N_funcion",
                                                               "B_N_rep_fun",
                                                               "B_redefpun",
                                                               "B_traza",
                                                               "B_anim",
                                                               "B_zoom",
                                                               "B_N_tabla",
                                                               "B_MacCon",
                                                               "B_mac_ini",
                                                               "B_mac_fin",
                                                               "B_Texto",
                                                               "B_Angulo",
                                                               "B_vernoverbot",
                                                               "B_movbot",
                                                               "B_inbitmap",
                                                               "B_iteracion",
                                                               "B_vernover",
                                                               "B_editelem",
                                                               "B_elimelem",
                                                               "B_font",
                                                               "B_color",
                                                               "B_color_relleno",
                                                               "B_colorpar",
                                                               "B_colorpar_relleno",
                                                               "B_forma_punto1",
                                                               "B_forma_punto2",
                                                               "B_forma_punto3",
                                                               "B_forma_punto4",
                                                               "B_forma_punto5",
                                                               "B_forma_punto6",
                                                               "B_forma_linea1",
                                                               "B_forma_linea2",
                                                               "B_forma_linea3",
                                                               "B_forma_linea4",
                                                               "B_forma_linea5",
                                                               "B_forma_linea6",
                                                               "B_forma_angulo1",
                                                               "B_forma_angulo2",
                                                               "B_forma_angulo3"};

// Picks of points (an existing point, or a click that makes one), one per slot; the mask
// counts down the points still needed.
std::vector<PickStep> Points(Tool t, std::initializer_list<Slot> slots) {
  std::vector<PickStep> steps;
  int left = static_cast<int>(slots.size());
  for (Slot s : slots)
    steps.push_back({PointsAndCarriers(left--), str::ToolPrompt(ToolNumber(t)), true, s});
  return steps;
}

// One pick of an existing element of the mask's types.
std::vector<PickStep> Element1(Tool t, DetectionMask m) {
  return {{m, str::ToolPrompt(ToolNumber(t)), false, Slot::Parent1}};
}

using S = Slot;

std::array<ToolRow, kToolCount> BuildRows() {
  std::array<ToolRow, kToolCount> r{};
  for (int i = 0; i < kToolCount; ++i) {
    r[i].tool = static_cast<Tool>(i);
    r[i].button = kButtons[i];
  }
  auto at = [&](Tool t) -> ToolRow& { return r[ToolNumber(t)]; };
  auto rows = [&](std::initializer_list<Tool> tools, auto&& set) {
    for (Tool t : tools) set(at(t));
  };
  auto range = [&](Tool first, Tool last, auto&& set) {
    for (int i = ToolNumber(first); i <= ToolNumber(last); ++i) set(r[i]);
  };

  // ---- the mask table: what each tool can pick when its gesture starts
  rows({Tool::Sel, Tool::B_vernoverbot, Tool::B_vernover, Tool::B_editelem, Tool::B_elimelem},
       [](ToolRow& x) { x.start = AllBut({kTypeIntersection}); });
  at(Tool::B_Punto).start = Row(kCarriers);
  rows({Tool::B_Recta, Tool::B_Rayo, Tool::B_Circunf, Tool::B_Segmento, Tool::B_Polireg,
        Tool::B_vector, Tool::B_2_div_seg, Tool::B_Mediatriz},
       [](ToolRow& x) { x.start = PointsAndCarriers(2); });
  at(Tool::B_Conica_5p).start = PointsAndCarriers(5);
  rows({Tool::B_Circ2pr, Tool::B_arco3p, Tool::B_2_Sectriz, Tool::B_Angulo},
       [](ToolRow& x) { x.start = PointsAndCarriers(3); });
  rows({Tool::B_Recta_Para, Tool::B_Recta_Perp, Tool::B_Poligono, Tool::B_N_ejes},
       [](ToolRow& x) { x.start = PointsAndCarriers(1); });
  at(Tool::B_vectorsuma).start = Row({kTypeVector});
  {
    DetectionMask& m = at(Tool::B_Punto_Inter).start;
    for (int t : {kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc,
                  kTypeLocus, kTypeConic, kTypeVector})
      m[t] = 2;
    m[kTypeAxes] = 1;
  }
  at(Tool::B_Lugar_G).start = Row({kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypePolygon,
                                   kTypeCircle, kTypeArc, kTypeLocus, kTypeConic, kTypeVector});
  range(Tool::B_Punto_Sim, Tool::B_homotec, [](ToolRow& x) {
    x.start = Row({kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle,
                   kTypeArc, kTypeAxes, kTypeConic, kTypeVector});
  });
  at(Tool::B_inversion).start = Row({kTypePoint, kTypeCircle});
  rows({Tool::B_comp_par, Tool::B_comp_perp}, [](ToolRow& x) {
    x.start = Row({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeAxes, kTypeVector});
  });
  rows({Tool::B_comp_pert, Tool::B_comp_eq, Tool::B_comp_al, Tool::B_punto_desp, Tool::B_redefpun,
        Tool::B_movbot, Tool::B_iteracion},
       [](ToolRow& x) { x.start = Row({kTypePoint}); });
  at(Tool::B_puncoord).start = Row({kTypeNumber, kTypeCoordinates});
  rows({Tool::B_rep_pun, Tool::B_N_cuadricula}, [](ToolRow& x) { x.start = Row({kTypeAxes}); });
  at(Tool::B_N_longdist).start =
      Row({kTypePoint, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc, kTypeVector});
  at(Tool::B_N_angulo).start = Row({kTypePoint, kTypeArc, kTypeAngle});
  at(Tool::B_N_area).start = Row({kTypePolygon, kTypeCircle});
  at(Tool::B_N_pend).start = Row({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeVector});
  at(Tool::B_N_prop).start = Row({kTypePoint, kTypeSegment, kTypePolygon, kTypeVector});
  at(Tool::B_N_ecoord).start = Row({kTypePoint, kTypeLine, kTypeCircle, kTypeConic});
  rows({Tool::B_N_calcular, Tool::B_N_parametro, Tool::B_N_funcion}, [](ToolRow& x) {
    x.start = Row({kTypeNumber, kTypeFunction, kTypeCoordinates});
  });
  at(Tool::B_N_rep_fun).start = Row({kTypeFunction});
  at(Tool::B_traza).start = Row({kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypePolygon,
                                 kTypeCircle, kTypeArc, kTypeAngle, kTypeLocus, kTypeAxes,
                                 kTypeConic, kTypeBitmap, kTypeVector, kTypeIteration});
  at(Tool::B_anim).start = Row({kTypePoint, kTypeLine, kTypeRay, kTypeCircle, kTypeNumber});
  // B_zoom and B_Texto pick nothing; B_MacCon takes its mask from the chosen macro.
  at(Tool::B_N_tabla).start = Row({kTypeNumber, kTypeTable, kTypeCoordinates});
  at(Tool::B_mac_ini).start =
      Row({kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypeCircle, kTypeArc, kTypeNumber,
           kTypeFunction, kTypeAxes, kTypeConic, kTypeGrid, kTypeVector});
  at(Tool::B_mac_fin).start = AllBut({kTypeText, kTypeName, kTypeTable, kTypeIntersection});
  at(Tool::B_inbitmap).start = Row({kTypePoint, kTypeSegment, kTypeVector});
  at(Tool::B_font).start = Row({kTypeText, kTypeName, kTypeNumber, kTypeFunction, kTypeTable,
                                kTypeEquation, kTypeCoordinates, kTypeProperty, kTypeButton});
  rows({Tool::B_color, Tool::B_colorpar}, [](ToolRow& x) {
    x.start = AllBut({kTypeBitmap, kTypeIntersection});
  });
  rows({Tool::B_color_relleno, Tool::B_colorpar_relleno}, [](ToolRow& x) {
    x.start = Row({kTypePolygon, kTypeCircle, kTypeAngle, kTypeText, kTypeName, kTypeNumber,
                   kTypeFunction, kTypeTable, kTypeEquation, kTypeCoordinates, kTypeProperty,
                   kTypeButton, kTypeIteration});
  });
  range(Tool::B_forma_punto1, Tool::B_forma_punto6, [](ToolRow& x) {
    x.start = Row({kTypePoint, kTypeGrid});
  });
  range(Tool::B_forma_linea1, Tool::B_forma_linea6, [](ToolRow& x) {
    x.start = Row({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc,
                   kTypeLocus, kTypeAxes, kTypeConic, kTypeVector, kTypeIteration});
  });
  range(Tool::B_forma_angulo1, Tool::B_forma_angulo3,
        [](ToolRow& x) { x.start = Row({kTypeAngle}); });

  // ---- what the tools build
  auto build = [&](Tool t, std::vector<PickStep> steps, int32_t kind, int32_t onEmpty = -1) {
    ToolRow& x = at(t);
    x.built = true;
    x.steps = std::move(steps);
    x.kind = kind;
    x.kindOnEmpty = onEmpty;
  };
  // A tool of points only: the picks go to the slots in order.
  auto byPoints = [&](Tool t, std::initializer_list<Slot> slots, int32_t kind,
                      int32_t onEmpty = -1) { build(t, Points(t, slots), kind, onEmpty); };
  auto gesture = [&](Tool t, PressFn press) {
    at(t).built = true;
    at(t).press = press;
  };
  at(Tool::Sel).role = ToolRole::Move;
  gesture(Tool::Sel, PressMove);

  gesture(Tool::B_Punto, PressPoint);
  byPoints(Tool::B_2_div_seg, {S::Parent1, S::Parent2}, kMidpoint);
  gesture(Tool::B_redefpun, PressRedefine);

  byPoints(Tool::B_Recta, {S::Parent1, S::Parent2}, kLineTwoPoints, kLineThroughPoint);
  at(Tool::B_Recta).preview = PreviewLine;
  byPoints(Tool::B_Rayo, {S::Parent1, S::Parent2}, kRayTwoPoints, kRayThroughPoint);
  at(Tool::B_Rayo).preview = PreviewRay;
  byPoints(Tool::B_Segmento, {S::Parent1, S::Parent2}, kSegment);
  at(Tool::B_Segmento).preview = PreviewSegment;
  byPoints(Tool::B_vector, {S::Parent1, S::Parent2}, kVector);
  at(Tool::B_vector).preview = PreviewVector;
  byPoints(Tool::B_Mediatriz, {S::Parent1, S::Parent2}, kPerpendicularBisector);
  byPoints(Tool::B_2_Sectriz, {S::Parent1, S::Parent2, S::Parent3}, kAngleBisector);
  gesture(Tool::B_Recta_Para, PressParallel);
  gesture(Tool::B_Recta_Perp, PressParallel);
  gesture(Tool::B_vectorsuma, PressVectorSum);

  byPoints(Tool::B_Circunf, {S::Parent1, S::Parent2}, kCircleCentrePoint, kCircleCentre);
  at(Tool::B_Circunf).preview = PreviewCircle;
  // Two points for the radius, then the centre: the centre is parent 1.
  byPoints(Tool::B_Circ2pr, {S::Parent2, S::Parent3, S::Parent1}, kCircleRadius);
  byPoints(Tool::B_arco3p, {S::Parent1, S::Parent2, S::Parent3}, kArc);
  at(Tool::B_arco3p).preview = PreviewArc;
  byPoints(Tool::B_Angulo, {S::Parent1, S::Parent2, S::Parent3}, kAngleMark);
  at(Tool::B_Angulo).preview = PreviewAngleMark;
  byPoints(Tool::B_Conica_5p, {S::List, S::List, S::List, S::List, S::List}, kConic);

  gesture(Tool::B_Poligono, PressPolygon);
  at(Tool::B_Poligono).doubleClick = ClosePolygon;
  at(Tool::B_Poligono).preview = PreviewPolygon;
  gesture(Tool::B_Polireg, PressRegularPolygon);
  at(Tool::B_Polireg).preview = PreviewRegularPolygon;

  gesture(Tool::B_Punto_Inter, PressIntersection);

  // ---- transformations: the object, then the data; a selection is the object at once
  range(Tool::B_Punto_Sim, Tool::B_homotec, [&](ToolRow& x) { gesture(x.tool, PressTransform); });
  gesture(Tool::B_inversion, PressInversion);
  range(Tool::B_Punto_Sim, Tool::B_inversion,
        [](ToolRow& x) { x.selectionAsObject = TakeSelectionToTransform; });
  at(Tool::B_Punto_Sim).preview = PreviewCentralSymmetry;
  at(Tool::B_traslac).preview = PreviewTranslation;
  at(Tool::B_inversion).preview = PreviewInversion;
  gesture(Tool::B_Lugar_G, PressLocus);
  gesture(Tool::B_traza, PressTrace);
  gesture(Tool::B_anim, PressAnimation);
  at(Tool::B_anim).finds = IsAnimatable;

  // ---- measurements, checkers, equations and coordinates
  rows({Tool::B_comp_par, Tool::B_comp_perp},
       [&](ToolRow& x) { gesture(x.tool, PressStraightChecker); });
  gesture(Tool::B_comp_pert, PressMembershipChecker);
  rows({Tool::B_comp_eq, Tool::B_comp_al},
       [&](ToolRow& x) { gesture(x.tool, PressPointsChecker); });
  gesture(Tool::B_punto_desp, PressDisplacedPoint);
  gesture(Tool::B_puncoord, PressPointByCoordinates);
  gesture(Tool::B_N_longdist, PressLengthDistance);
  gesture(Tool::B_N_angulo, PressAngleValue);
  gesture(Tool::B_N_area, PressArea);
  gesture(Tool::B_N_pend, PressSlope);
  gesture(Tool::B_N_prop, PressProportion);
  gesture(Tool::B_N_ecoord, PressEquationOrCoordinates);

  // ---- calculations, parameters, functions, graphs and tables
  range(Tool::B_N_calcular, Tool::B_N_funcion,
        [&](ToolRow& x) { gesture(x.tool, PressCalculatorPick); });
  gesture(Tool::B_N_rep_fun, PressGraph);
  gesture(Tool::B_N_tabla, PressTable);

  byPoints(Tool::B_N_ejes, {S::Parent1}, kAxes);
  {
    DetectionMask axes{};
    axes[kTypeAxes] = 1;
    build(Tool::B_N_cuadricula, Element1(Tool::B_N_cuadricula, axes), kGrid);
  }
  gesture(Tool::B_zoom, PressZoom);
  gesture(Tool::B_inbitmap, PressInsertBitmap);
  gesture(Tool::B_vernoverbot, PressHideShowButton);
  gesture(Tool::B_movbot, PressMoveButton);
  gesture(Tool::B_rep_pun, PressPointEntry);
  gesture(Tool::B_Texto, PressText);
  rows({Tool::B_colorpar, Tool::B_colorpar_relleno},
       [&](ToolRow& x) { gesture(x.tool, PressParametricColour); });

  // ---- macros: the mask of tool 51 follows the chosen macro's parameters
  gesture(Tool::B_MacCon, PressMacroApply);
  gesture(Tool::B_mac_ini, PressMacroInitial);
  gesture(Tool::B_mac_fin, PressMacroFinal);

  // ---- iteration: the dialog on choosing the tool, then picks into its sets
  gesture(Tool::B_iteracion, PressIteration);
  at(Tool::B_iteracion).onChoose = OpenIterationDialog;

  // ---- editing and style: each click on an element, or the selection at once
  auto edit = [&](ToolRow& x) {
    x.built = true;
    x.role = ToolRole::Edit;
    x.press = PressEdit;
    x.onSelection = EditSelection;
  };
  rows({Tool::B_vernover, Tool::B_elimelem, Tool::B_font, Tool::B_color, Tool::B_color_relleno},
       edit);
  range(Tool::B_forma_punto1, Tool::B_forma_angulo3, edit);
  at(Tool::B_font).press = PressFont;  // the font dialog first, then the undo step
  at(Tool::B_font).onSelection = FontSelection;
  at(Tool::B_elimelem).onSelection = nullptr;  // never on the selection
  {
    ToolRow& x = at(Tool::B_editelem);
    x.built = true;
    x.role = ToolRole::Edit;
    x.press = PressEditElement;
  }

  // ---- detection under the pointer
  at(Tool::B_Punto).crossings = CrossingOffer::Always;
  auto crossings = [](ToolRow& x) {
    if (x.crossings == CrossingOffer::Never) x.crossings = CrossingOffer::WhilePoints;
  };
  range(Tool::B_Recta, Tool::B_Punto_Inter, crossings);
  range(Tool::B_comp_par, Tool::B_rep_pun, crossings);
  range(Tool::B_N_angulo, Tool::B_redefpun, crossings);
  range(Tool::B_zoom, Tool::B_MacCon, crossings);
  rows({Tool::B_Recta_Para, Tool::B_Recta_Perp, Tool::B_Punto_Inter, Tool::B_comp_par,
        Tool::B_comp_perp, Tool::B_comp_pert, Tool::B_N_pend, Tool::B_N_prop},
       [](ToolRow& x) { x.sidesFromPick = 0; });
  at(Tool::B_sim_ax).sidesFromPick = 1;  // the axis, after the object
  rows({Tool::Sel, Tool::B_puncoord, Tool::B_rep_pun, Tool::B_N_ecoord, Tool::B_N_cuadricula,
        Tool::B_N_rep_fun, Tool::B_mac_ini, Tool::B_mac_fin, Tool::B_vernoverbot, Tool::B_vernover,
        Tool::B_editelem, Tool::B_elimelem, Tool::B_color, Tool::B_forma_linea1,
        Tool::B_forma_linea2, Tool::B_forma_linea3, Tool::B_forma_linea6},
       [](ToolRow& x) { x.wholeAxes = WholeAxes::Always; });
  at(Tool::B_MacCon).wholeAxes = WholeAxes::WhenAwaited;
  rows({Tool::B_giro, Tool::B_homotec, Tool::B_punto_desp, Tool::B_puncoord, Tool::B_N_calcular,
        Tool::B_N_parametro, Tool::B_N_funcion, Tool::B_N_tabla, Tool::B_MacCon, Tool::B_iteracion,
        Tool::B_colorpar, Tool::B_colorpar_relleno},
       [](ToolRow& x) { x.coordinateNumbers = true; });
  rows({Tool::B_mac_ini, Tool::B_mac_fin, Tool::B_vernoverbot},
       [](ToolRow& x) { x.prefersSelected = false; });
  rows({Tool::B_traza, Tool::B_mac_ini, Tool::B_mac_fin, Tool::B_iteracion},
       [](ToolRow& x) { x.repicks = true; });
  at(Tool::B_Poligono).closesOnFirst = true;

  // ---- pointer shapes that reach below the hot spot push the cursor message down
  range(Tool::B_comp_par, Tool::B_comp_al, [](ToolRow& x) { x.messageLower = true; });
  range(Tool::B_redefpun, Tool::B_anim, [](ToolRow& x) { x.messageLower = true; });
  range(Tool::B_vernoverbot, Tool::B_inbitmap, [](ToolRow& x) { x.messageLower = true; });
  range(Tool::B_vernover, Tool::B_font, [](ToolRow& x) { x.messageLower = true; });
  rows({Tool::B_N_tabla, Tool::B_mac_ini, Tool::B_mac_fin},
       [](ToolRow& x) { x.messageLower = true; });
  return r;
}

const std::array<ToolRow, kToolCount>& Rows() {
  static const std::array<ToolRow, kToolCount> rows = BuildRows();
  return rows;
}

}  // namespace

std::optional<Tool> ToolFromNumber(int number) {
  if (number < 0 || number >= kToolCount) return std::nullopt;
  return static_cast<Tool>(number);
}

std::optional<Tool> ToolFromButton(std::string_view button) {
  for (int i = 0; i < kToolCount; ++i)
    if (kButtons[i] == button) return static_cast<Tool>(i);
  return std::nullopt;
}

const ToolRow& RowOf(Tool t) { return Rows()[ToolNumber(t)]; }

Element* PreviewSet::PointAt(Pt p) {
  auto e = NewElementOfKind(kFreePoint);
  e->value = {p.x, p.y, 0, 0};
  e->exists = 1;
  helpers.push_back(std::move(e));
  return helpers.back().get();
}

int ToolPromptNumber(Tool t) { return str::ToolPrompt(ToolNumber(t)); }
int ToolHintNumber(Tool t) { return str::ToolHint(ToolNumber(t)); }

}  // namespace velt
