#include "model/kinds.h"

#include <array>

namespace velt {
namespace {

struct KindRow {
  int32_t type;
  std::string_view name;
};

constexpr std::array<KindRow, kKindCount> kKinds = {{
    {0, "Punto Libre"},
    {0, "Punto en elemento"},
    {0, "Punto de intersección"},
    {0, "Punto (simetría central)"},
    {0, "Punto medio"},
    {1, "Recta por punto"},
    {1, "Recta por 2 puntos"},
    {2, "Semirecta por 1 punto"},
    {2, "Semirecta por 2 puntos"},
    {1, "Recta paralela"},
    {1, "Recta perpendicular"},
    {1, "Bisectriz"},
    {1, "Mediatriz"},
    {3, "Segmento"},
    {4, "Polígono"},
    {3, "Lado de un poligono"},
    {5, "Circunferencia dado el centro"},
    {5, "Circunferencia dados centro y punto"},
    {5, "Circunferencia dados el radio y el centro"},
    {6, "Arco dados 3 puntos"},
    {7, "Angulo"},
    {8, "Lugar geométrico"},
    {0, "Punto (simetría axial)"},
    {0, "Punto (traslación)"},
    {0, "Punto (giro)"},
    {0, "Punto homotetico"},
    {0, "Punto inverso"},
    {0, "Punto desplazado"},
    {11, "Distancia(punto a punto)"},
    {11, "Distancia(punto a recta)"},
    {11, "Longitud(segmento)"},
    {11, "Longitud(circunferencia)"},
    {11, "Longitud(arco)"},
    {11, "Perímetro(polígono)"},
    {11, "Area (circunferencia)"},
    {11, "Area (polígono)"},
    {11, "ángulo(valor)"},
    {11, "Cálculo"},
    {14, "Tabla"},
    {13, "Ejes de coordenadas"},
    {1, "Eje x"},
    {1, "Eje y"},
    {16, "coordenadas de un punto"},
    {11, "coordenada x o r de un punto"},
    {11, "coordenada y o theta de un punto"},
    {15, "ecuación (recta)"},
    {15, "ecuación (circunferencia)"},
    {9, "Texto"},
    {10, "Nombre"},
    {0, "Punto con coordenadas"},
    {17, "comprobador de paralelismo"},
    {17, "comprobador de perpendicularidad"},
    {17, "comprobador de pertenencia"},
    {17, "comprobador de equidistancia"},
    {17, "comprobador de alineación"},
    {18, "Cónica por 5 puntos"},
    {11, "Pendiente"},
    {19, "intersección"},
    {15, "ecuación (cónica)"},
    {0, "Vértice de polígono regular"},
    {0, "Punto representado"},
    {20, "Cuadrícula"},
    {0, "Punto en cuadrícula"},
    {11, "Parámetro"},
    {12, "Función"},
    {8, "Representación de función"},
    {21, "Botón Ocultar/Ver"},
    {22, "Bitmap"},
    {11, "Proporción"},
    {23, "Vector"},
    {21, "Botón Movimiento"},
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
