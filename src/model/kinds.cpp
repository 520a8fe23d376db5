#include "model/kinds.h"

#include <array>

namespace velt {
namespace {

struct KindRow {
  int32_t type;
  std::string_view name;
  DragRule drag = DragRule::Ancestors;
};

constexpr DragRule kSelf = DragRule::Itself, kCarrier = DragRule::OnCarrier,
                   kGridNode = DragRule::OnGrid, kLabel = DragRule::Label;

constexpr std::array<KindRow, kKindCount> kKinds = {{
    {0, "Punto Libre", kSelf},
    {0, "Punto en elemento", kCarrier},
    {0, "Punto de intersección"},
    {0, "Punto (simetría central)"},
    {0, "Punto medio"},
    {1, "Recta por punto", DragRule::Direction},
    {1, "Recta por 2 puntos"},
    {2, "Semirecta por 1 punto", DragRule::Direction},
    {2, "Semirecta por 2 puntos"},
    {1, "Recta paralela"},
    {1, "Recta perpendicular"},
    {1, "Bisectriz"},
    {1, "Mediatriz"},
    {3, "Segmento"},
    {4, "Polígono"},
    {3, "Lado de un poligono"},
    {5, "Circunferencia dado el centro", DragRule::Radius},
    {5, "Circunferencia dados centro y punto"},
    {5, "Circunferencia dados el radio y el centro"},
    {6, "Arco dados 3 puntos"},
    {7, "Angulo", DragRule::MarkRadius},
    {8, "Lugar geométrico"},
    {0, "Punto (simetría axial)"},
    {0, "Punto (traslación)"},
    {0, "Punto (giro)"},
    {0, "Punto homotetico"},
    {0, "Punto inverso"},
    {0, "Punto desplazado"},
    {11, "Distancia(punto a punto)", kLabel},
    {11, "Distancia(punto a recta)", kLabel},
    {11, "Longitud(segmento)", kLabel},
    {11, "Longitud(circunferencia)", kLabel},
    {11, "Longitud(arco)", kLabel},
    {11, "Perímetro(polígono)", kLabel},
    {11, "Area (circunferencia)", kLabel},
    {11, "Area (polígono)", kLabel},
    {11, "ángulo(valor)", kLabel},
    {11, "Cálculo", kLabel},
    {14, "Tabla"},
    {13, "Ejes de coordenadas"},
    {1, "Eje x"},
    {1, "Eje y"},
    {16, "coordenadas de un punto", kLabel},
    {11, "coordenada x o r de un punto", kLabel},
    {11, "coordenada y o theta de un punto", kLabel},
    {15, "ecuación (recta)", kLabel},
    {15, "ecuación (circunferencia)", kLabel},
    {9, "Texto", DragRule::Text},
    {10, "Nombre", DragRule::NameOffset},
    {0, "Punto con coordenadas"},
    {17, "comprobador de paralelismo", kLabel},
    {17, "comprobador de perpendicularidad", kLabel},
    {17, "comprobador de pertenencia", kLabel},
    {17, "comprobador de equidistancia", kLabel},
    {17, "comprobador de alineación", kLabel},
    {18, "Cónica por 5 puntos"},
    {11, "Pendiente", kLabel},
    {19, "intersección"},
    {15, "ecuación (cónica)", kLabel},
    {0, "Vértice de polígono regular"},
    {0, "Punto representado"},
    {20, "Cuadrícula"},
    {0, "Punto en cuadrícula", kGridNode},
    {11, "Parámetro", kLabel},
    {12, "Función", kLabel},
    {8, "Representación de función"},
    {21, "Botón Ocultar/Ver", kLabel},
    {22, "Bitmap", DragRule::Picture},
    {11, "Proporción", kLabel},
    {23, "Vector"},
    {21, "Botón Movimiento", kLabel},
    {24, "Iteración"},
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
