#include "ui/tool_table.h"

#include <initializer_list>

#include "ui/strings_window.h"

namespace velt {
namespace {

using T = std::initializer_list<int>;

DetectionMask Row(T types, int points = 0) {
  DetectionMask m{};
  for (int t : types) m[t] = 1;
  if (points > 0) m[kTypePoint] = static_cast<int8_t>(points);
  return m;
}

DetectionMask AllBut(T excluded) {
  DetectionMask m;
  m.fill(1);
  for (int t : excluded) m[t] = 0;
  return m;
}

// The curves a click can put a point on.
const T kCarriers = {kTypeLine,  kTypeRay,  kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc,
                     kTypeLocus, kTypeAxes, kTypeConic,   kTypeGrid,    kTypeVector};

std::array<DetectionMask, kToolCount> BuildMasks() {
  std::array<DetectionMask, kToolCount> r{};
  const DetectionMask carriers = Row(kCarriers);
  auto withPoints = [&](int n) {
    DetectionMask m = carriers;
    m[kTypePoint] = static_cast<int8_t>(n);
    return m;
  };
  for (int t : {0, 56, 60, 61, 62}) r[t] = AllBut({kTypeIntersection});
  r[1] = carriers;
  for (int t : {2, 3, 5, 9, 11, 12, 15, 17}) r[t] = withPoints(2);
  r[4] = withPoints(5);
  for (int t : {6, 14, 16, 55}) r[t] = withPoints(3);
  for (int t : {7, 8, 10, 39}) r[t] = withPoints(1);
  r[13] = Row({kTypeVector});
  r[18] = Row({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc, kTypeLocus,
               kTypeConic, kTypeVector});
  for (int t : {kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc, kTypeLocus,
                kTypeConic, kTypeVector})
    r[18][t] = 2;
  r[18][kTypeAxes] = 1;
  r[19] = Row({kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc,
               kTypeLocus, kTypeConic, kTypeVector});
  for (int t = 20; t <= 24; ++t)
    r[t] = Row({kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc,
                kTypeAxes, kTypeConic, kTypeVector});
  r[25] = Row({kTypePoint, kTypeCircle});
  for (int t : {26, 27})
    r[t] = Row({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeAxes, kTypeVector});
  for (int t : {28, 29, 30, 31, 46, 57, 59}) r[t] = Row({kTypePoint});
  r[32] = Row({kTypeNumber, kTypeCoordinates});
  for (int t : {33, 41}) r[t] = Row({kTypeAxes});
  r[34] = Row({kTypePoint, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc, kTypeVector});
  r[35] = Row({kTypePoint, kTypeArc, kTypeAngle});
  r[36] = Row({kTypePolygon, kTypeCircle});
  r[37] = Row({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeVector});
  r[38] = Row({kTypePoint, kTypeSegment, kTypePolygon, kTypeVector});
  r[40] = Row({kTypePoint, kTypeLine, kTypeCircle, kTypeConic});
  for (int t : {42, 43, 44}) r[t] = Row({kTypeNumber, kTypeFunction, kTypeCoordinates});
  r[45] = Row({kTypeFunction});
  r[47] = Row({kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc,
               kTypeAngle, kTypeLocus, kTypeAxes, kTypeConic, kTypeBitmap, kTypeVector,
               kTypeIteration});
  r[48] = Row({kTypePoint, kTypeLine, kTypeRay, kTypeCircle, kTypeNumber});
  // 49 and 54 pick nothing; 51 takes its row from the chosen macro.
  r[50] = Row({kTypeNumber, kTypeTable, kTypeCoordinates});
  r[52] = Row({kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypeCircle, kTypeArc, kTypeNumber,
               kTypeFunction, kTypeAxes, kTypeConic, kTypeGrid, kTypeVector});
  r[53] = AllBut({kTypeText, kTypeName, kTypeTable, kTypeIntersection});
  r[58] = Row({kTypePoint, kTypeSegment, kTypeVector});
  r[63] = Row({kTypeText, kTypeName, kTypeNumber, kTypeFunction, kTypeTable, kTypeEquation,
               kTypeCoordinates, kTypeProperty, kTypeButton});
  for (int t : {64, 66}) r[t] = AllBut({kTypeBitmap, kTypeIntersection});
  for (int t : {65, 67})
    r[t] = Row({kTypePolygon, kTypeCircle, kTypeAngle, kTypeText, kTypeName, kTypeNumber,
                kTypeFunction, kTypeTable, kTypeEquation, kTypeCoordinates, kTypeProperty,
                kTypeButton, kTypeIteration});
  for (int t = 68; t <= 73; ++t) r[t] = Row({kTypePoint, kTypeGrid});
  for (int t = 74; t <= 79; ++t)
    r[t] = Row({kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle, kTypeArc, kTypeLocus,
                kTypeAxes, kTypeConic, kTypeVector, kTypeIteration});
  for (int t = 80; t <= 82; ++t) r[t] = Row({kTypeAngle});
  return r;
}

const std::array<ToolInfo, kToolCount>& Infos() {
  static const std::array<ToolInfo, kToolCount> table = [] {
    std::array<ToolInfo, kToolCount> t{};
    const std::array<std::string_view, kToolCount> buttons = {"Sel",
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
    for (int i = 0; i < kToolCount; ++i) t[i].button = buttons[i];
    for (int i : {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                  15, 16, 17, 18, 39, 41, 46, 49, 55, 60, 61, 62, 63, 64, 65})
      t[i].built = true;
    for (int i = 68; i <= 82; ++i) t[i].built = true;
    return t;
  }();
  return table;
}

}  // namespace

const DetectionMask& ToolMask(int tool) {
  static const std::array<DetectionMask, kToolCount> masks = BuildMasks();
  static const DetectionMask kNone{};
  return tool >= 0 && tool < kToolCount ? masks[tool] : kNone;
}

const ToolInfo& Tool(int tool) {
  static const ToolInfo kNone{};
  return tool >= 0 && tool < kToolCount ? Infos()[tool] : kNone;
}

int ToolPromptNumber(int tool) { return str::ToolPrompt(tool); }
int ToolHintNumber(int tool) { return str::ToolHint(tool); }

}  // namespace velt
