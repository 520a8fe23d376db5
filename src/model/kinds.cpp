#include "model/kinds.h"

#include <array>

namespace velt {
namespace {

// Facts of a kind, as bits.
enum Fact : uint8_t {
  kOutside = 1,     // its values are set from outside or by its owner, never computed
  kByDistance = 2,  // a straight carrier whose points stand at a distance along it
  kMeasure = 4,     // a measurement label: the number font's colour, its dimension
  kIsLength = 8,    // its value is a length, an area or an angle (the unit shown beside it)
  kIsArea = 16,
  kIsAngle = 32,
};

struct KindRow {
  int32_t type;
  std::string_view name;
  DragRule drag = DragRule::Ancestors;
  uint8_t facts = 0;
  // Dragged by itself when this many of its first parents are free points (0: not so).
  int8_t freeParentsToDrag = 0;
  ExtensionSlot ext = ExtensionSlot::None;
  AnimationRule animation = AnimationRule::None;
};

constexpr DragRule kSelf = DragRule::Itself, kCarrier = DragRule::OnCarrier,
                   kGridNode = DragRule::OnGrid, kLabel = DragRule::Label,
                   kAnc = DragRule::Ancestors;
using X = ExtensionSlot;
using A = AnimationRule;

constexpr std::array<KindRow, kKindCount> kKinds = {{
    {0, "Punto Libre", kSelf, kOutside},
    {0, "Punto en elemento", kCarrier, 0, 0, X::None, A::AlongCarrier},
    {0, "Punto de intersección"},
    {0, "Punto (simetría central)"},
    {0, "Punto medio"},
    {1, "Recta por punto", DragRule::Direction, kByDistance, 0, X::None, A::Turn},
    {1, "Recta por 2 puntos", kAnc, 0, 2},
    {2, "Semirecta por 1 punto", DragRule::Direction, kByDistance, 0, X::None, A::Turn},
    {2, "Semirecta por 2 puntos", kAnc, 0, 2},
    {1, "Recta paralela", kAnc, kByDistance},
    {1, "Recta perpendicular", kAnc, kByDistance},
    {1, "Bisectriz", kAnc, kByDistance},
    {1, "Mediatriz", kAnc, kByDistance},
    {3, "Segmento", kAnc, 0, 2},
    {4, "Polígono", kAnc, 0, 0, X::Polygon},
    {3, "Lado de un poligono", kAnc, kOutside},
    {5, "Circunferencia dado el centro", DragRule::Radius, 0, 0, X::None, A::Radius},
    {5, "Circunferencia dados centro y punto", kAnc, 0, 2},
    {5, "Circunferencia dados el radio y el centro"},
    {6, "Arco dados 3 puntos", kAnc, 0, 3},
    {7, "Angulo", DragRule::MarkRadius},
    {8, "Lugar geométrico", kAnc, 0, 0, X::Samples},
    {0, "Punto (simetría axial)"},
    {0, "Punto (traslación)"},
    {0, "Punto (giro)"},
    {0, "Punto homotetico"},
    {0, "Punto inverso"},
    {0, "Punto desplazado"},
    {11, "Distancia(punto a punto)", kLabel, kMeasure | kIsLength},
    {11, "Distancia(punto a recta)", kLabel, kMeasure | kIsLength},
    {11, "Longitud(segmento)", kLabel, kMeasure | kIsLength},
    {11, "Longitud(circunferencia)", kLabel, kMeasure | kIsLength},
    {11, "Longitud(arco)", kLabel, kMeasure | kIsLength},
    {11, "Perímetro(polígono)", kLabel, kMeasure | kIsLength},
    {11, "Area (circunferencia)", kLabel, kMeasure | kIsArea},
    {11, "Area (polígono)", kLabel, kMeasure | kIsArea},
    {11, "ángulo(valor)", kLabel, kMeasure | kIsAngle},
    {11, "Cálculo", kLabel, 0, 0, X::Expression},
    {14, "Tabla", kAnc, kOutside, 0, X::Table},
    {13, "Ejes de coordenadas", kAnc, 0, 1, X::Axes},
    {1, "Eje x", kAnc, kOutside | kByDistance},
    {1, "Eje y", kAnc, kOutside | kByDistance},
    {16, "coordenadas de un punto", kLabel, 0, 0, X::Coordinates},
    {11, "coordenada x o r de un punto", kLabel, kOutside},
    {11, "coordenada y o theta de un punto", kLabel, kOutside},
    {15, "ecuación (recta)", kLabel, kMeasure, 0, X::Equation},
    {15, "ecuación (circunferencia)", kLabel, kMeasure, 0, X::Equation},
    {9, "Texto", DragRule::Text, kOutside, 0, X::Text},
    {10, "Nombre", DragRule::NameOffset, 0, 0, X::Name},
    {0, "Punto con coordenadas"},
    {17, "comprobador de paralelismo", kLabel, 0, 0, X::Checker},
    {17, "comprobador de perpendicularidad", kLabel, 0, 0, X::Checker},
    {17, "comprobador de pertenencia", kLabel, 0, 0, X::Checker},
    {17, "comprobador de equidistancia", kLabel, 0, 0, X::Checker},
    {17, "comprobador de alineación", kLabel, 0, 0, X::Checker},
    {18, "Cónica por 5 puntos", kAnc, 0, 0, X::Conic},
    {11, "Pendiente", kLabel, kMeasure},
    {19, "intersección", kAnc, kOutside},
    {15, "ecuación (cónica)", kLabel, kMeasure, 0, X::Equation},
    {0, "Vértice de polígono regular"},
    {0, "Punto representado"},
    {20, "Cuadrícula"},
    {0, "Punto en cuadrícula", kGridNode},
    {11, "Parámetro", kLabel, kOutside, 0, X::Parameter, A::Sweep},
    {12, "Función", kLabel, 0, 0, X::Expression},
    {8, "Representación de función", kAnc, 0, 0, X::Samples},
    {21, "Botón Ocultar/Ver", kLabel, kOutside, 0, X::Button},
    {22, "Bitmap", DragRule::Picture, 0, 0, X::Bitmap},
    {11, "Proporción", kLabel},
    {23, "Vector", kAnc, 0, 2},
    {21, "Botón Movimiento", kLabel, kOutside, 0, X::Button},
    {24, "Iteración", kAnc, 0, 0, X::Iteration},
    {0, "Punto (vector suma)"},
}};

constexpr std::array<std::string_view, kTypeCount> kTypeNames = {
    "punto",     "recta",        "semirecta",
    "segmento",  "polígono",     "circunferencia",
    "arco",      "ángulo",       "lugar geométrico",
    "texto",     "nombre",       "número",
    "función",   "ejes",         "tabla",
    "ecuación",  "coordenadas",  "propiedad",
    "cónica",    "intersección", "cuadrícula",
    "botón",     "bitmap",       "vector",
    "iteración",
};

}  // namespace

int32_t TypeOfKind(int32_t kind) { return IsValidKind(kind) ? kKinds[kind].type : -1; }

std::string_view DefaultKindName(int32_t kind) {
  return IsValidKind(kind) ? kKinds[kind].name : std::string_view{};
}

std::string_view DefaultTypeName(int32_t type) {
  return type >= 0 && type < kTypeCount ? kTypeNames[type] : std::string_view{};
}

DragRule DragRuleOf(int32_t kind) {
  return IsValidKind(kind) ? kKinds[kind].drag : DragRule::Ancestors;
}

ExtensionSlot ExtensionSlotOf(int32_t kind) {
  return IsValidKind(kind) ? kKinds[kind].ext : ExtensionSlot::None;
}

AnimationRule AnimationRuleOf(int32_t kind) {
  return IsValidKind(kind) ? kKinds[kind].animation : AnimationRule::None;
}

bool IsSetFromOutside(int32_t kind) { return IsValidKind(kind) && (kKinds[kind].facts & kOutside); }

bool PlacesPointsByDistance(int32_t kind) {
  return IsValidKind(kind) && (kKinds[kind].facts & kByDistance);
}

bool IsMeasureKind(int32_t kind) { return IsValidKind(kind) && (kKinds[kind].facts & kMeasure); }

int32_t ValueDimensionOf(int32_t kind) {
  const uint8_t f = IsValidKind(kind) ? kKinds[kind].facts : 0;
  return (f & kIsLength) ? 1 : (f & kIsArea) ? 2 : (f & kIsAngle) ? 3 : 0;
}

int FreeParentsToDrag(int32_t kind) {
  return IsValidKind(kind) ? kKinds[kind].freeParentsToDrag : 0;
}

bool IsTextLikeType(int32_t type) {
  return (type >= 9 && type <= 12) || (type >= 14 && type <= 17) || type == 21;
}

bool OwnsLabelFont(int32_t type) {
  return (type >= 10 && type <= 12) || (type >= 14 && type <= 17) || type == 21;
}

bool HasSubElements(int32_t kind) {
  return kind == kPolygon || kind == kAxes || kind == kCoordinates;
}

bool IsStraightType(int32_t type) {
  return type == kTypeLine || type == kTypeRay || type == kTypeSegment || type == kTypeVector;
}

}  // namespace velt
