#include "ui/strings_window.h"

#include <array>
#include <vector>

#include "ui/tool_table.h"

namespace velt::str {
namespace {

// Status prompts of the tools; tools without a prompt show nothing.
constexpr std::array<std::string_view, kToolCount> kPrompts = {
    "Mover los elementos libres o editar",
    "Punto Libre o Punto en elemento",
    "Recta dado 1 punto o dados 2 puntos",
    "Semirecta dado 1 punto o dados 2 puntos",
    "Cónica por 5 puntos",
    "Circunferencia dado el centro o dados el centro y un punto",
    "Circunferencia dados 2 puntos que definen el radio y dado el centro",
    "Recta Paralela",
    "Recta Perpendicular",
    "Segmento dados dos puntos",
    "Polígono dados 3 o más puntos",
    "Polígono regular",
    "Vector",
    "",
    "Arco dados 3 puntos",
    "Punto medio dados 2 puntos",
    "Bisectriz dados 3 puntos",
    "Mediatriz dados 2 puntos",
    "Punto(s) de Intersección de dos elementos",
    "Lugar Geométrico",
    "Simetría central",
    "Simetría axial",
    "Traslación",
    "Giro",
    "Homotecia",
    "Inversión",
    "Comprobar paralelismo",
    "Comprobar perpendicularidad",
    "Comprobar pertenencia",
    "Comprobar equidistancia",
    "Comprobar alineación",
    "Punto desplazado según número",
    "Punto con coordenadas",
    "Representar puntos",
    "Longitud - distancia",
    "Mide ángulo",
    "Area",
    "Pendiente",
    "Proporción",
    "Ejes de coordenadas",
    "Ecuación,coordenadas",
    "Definir cuadrícula a unos ejes",
    "Calcular",
    "Parámetro",
    "Función",
    "Representar función",
    "Ligar/Desligar punto en elemento",
    "Activar/Desactivar traza",
    "Animación",
    "Zoom",
    "Tabla de valores",
    "Macros",
    "Seleccionar los elementos iniciales",
    "Seleccionar los elementos finales",
    "Texto",
    "Angulo dados 3 puntos",
    "Botón Ocultar/Ver",
    "Botón movimiento",
    "Insertar bitmap",
    "Iteración",
    "Ocultar/Ver",
    "Editar elemento",
    "Eliminar elemento",
    "Tipo de letra",
    "",
    "",
    "Color paramétrico",
    "Color de relleno paramétrico",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    ""};

// Hints of the buttons whose tool has no prompt of its own.
std::string_view HintOf(Tool t) {
  if (t == Tool::B_vectorsuma) return "Vector suma";
  if (t == Tool::B_color) return "Color del próximo elemento, cambiar el color de elementos";
  if (t == Tool::B_color_relleno) return "Color de relleno";
  if (ToolBetween(t, Tool::B_forma_punto1, Tool::B_forma_punto6)) return "Forma de los puntos";
  if (ToolBetween(t, Tool::B_forma_linea1, Tool::B_forma_linea6)) return "Estilo de las líneas";
  if (ToolBetween(t, Tool::B_forma_angulo1, Tool::B_forma_angulo3)) return "Marca de los ángulos";
  return kPrompts[ToolNumber(t)];
}

constexpr std::array<StringEntry, 84> kTexts = {{
    {kSeveralDetected, "Varios elementos: haga clic para elegir el primero"},
    {kTooManyDocuments, "Existen muchos documentos abiertos"},
    {kSaveChanges, "Guardar los cambios realizados al documento"},
    {kCloseWord, "Cerrar"},
    {kInvalidRedefinition, "Redefinición no válida"},
    {kDocumentWord, "Documento"},
    {kBothAxes, "ejes"},
    {kModifyParameter, "Modificar parámetro"},
    {kNoHelpFile, "No se ha encontrado el archivo de ayuda"},
    {kOpenFailed, "No se ha podido abrir el archivo"},
    {kCoordinatesRect, "REC"},
    {kCoordinatesPolar, "POL"},
    {kAngleRad, "RAD"},
    {kAngleDeg, "DEG"},
    {kAngleGra, "GRA"},
    {kFileFilter, "Documentos VELT (*.vlt)"},
    {kMenuFile, "&Archivo"},
    {kNew, "&Nuevo"},
    {kOpen, "&Abrir..."},
    {kOpenRecent, "Abrir recientes"},
    {kSave, "&Guardar"},
    {kSaveAs, "Guardar Como..."},
    {kExportDrawing, "Exportar dibujo..."},
    {kClose, "Cerrar"},
    {kCloseAll, "Cerrar todo"},
    {kExit, "Salir"},
    {kMenuEdit, "&Edición"},
    {kUndo, "Deshacer"},
    {kRedo, "Rehacer"},
    {kCut, "Cortar"},
    {kCopy, "Copiar"},
    {kPaste, "Pegar"},
    {kDelete, "Borrar"},
    {kSelectAll, "Seleccionar todo"},
    {kSelectGroup, "Seleccionar grupo"},
    {kDeleteAll, "Eliminar Todo"},
    {kMoveEdit, "Mover, editar"},
    {kEditElement, "Editar elemento"},
    {kDeleteElement, "Eliminar elemento"},
    {kShowHide, "Ocultar/Ver"},
    {kRedefinePoint, "Redefinir punto"},
    {kMenuView, "&Ver"},
    {kShowHidden, "Ver lo oculto"},
    {kRedraw, "Redibujar"},
    {kMoveScreen, "Mover la Pantalla..."},
    {kFullScreen, "Pantalla Completa"},
    {kMainButtons, "Botones Principales"},
    {kEditButtons, "Botones de edición"},
    {kDocumentBar, "Barra de documento"},
    {kStatusBar, "Barra de Estado"},
    {kAntiAliased, "AA"},
    {kMenuConstruct, "&Construcción"},
    {kMenuMeasure, "&Medidas"},
    {kMenuTransform, "&Transformar"},
    {kMenuDocument, "&Documento"},
    {kNext, "&Siguiente"},
    {kPrevious, "&Anterior"},
    {kFirst, "Primero"},
    {kLast, "Ultimo"},
    {kMenuHelp, "A&yuda"},
    {kHelpContents, "Contenidos"},
    {kHelpPage, "Página actual"},
    {kMenuStyle, "Estilo"},
    {kColourHint, "Color del próximo elemento, cambiar el color de elementos"},
    {kFillColourHint, "Color de relleno"},
    {kPointShapeHint, "Forma de los puntos"},
    {kLineStyleHint, "Estilo de las líneas"},
    {kAngleMarkHint, "Marca de los ángulos"},
    {kOtherColour, "Otro color..."},
    {kZoom, "Zoom"},
    {kMoveScreenCaption, "Mover la pantalla"},
    {kPlaneSizeHint, "Cambiar el tamaño del plano"},
    {kOk, "Aceptar"},
    {kCancel, "Cancelar"},
}};

constexpr std::array<std::string_view, 21> kGroupCaptions = {
    "Punto",       "Recta",   "Rayo",   "Segmento", "Vector",    "Polígono", "Circunferencia",
    "Cónica",      "Arco",    "Angulo", "Lugar",    "Iteración", "Ejes",     "Numero",
    "Coordenadas", "Funcion", "Tabla",  "Nombre",   "Texto",     "Boton",    "Bitmap"};

}  // namespace

std::span<const int> SelectGroupTypes() {
  static constexpr std::array<int, 21> kTypes = {0,  1,  2,  3,  23, 4,  5,  18, 6,  7, 8,
                                                 24, 13, 11, 16, 12, 14, 10, 9,  21, 22};
  return kTypes;
}

std::span<const StringEntry> WindowStrings() {
  static const std::vector<StringEntry> entries = [] {
    std::vector<StringEntry> v;
    for (int n = 0; n < kToolCount; ++n) {
      const Tool t = static_cast<Tool>(n);
      v.push_back({ToolPromptNumber(t), kPrompts[n]});
      v.push_back({ToolHintNumber(t), HintOf(t)});
    }
    for (const StringEntry& e : kTexts)
      if (e.number) v.push_back(e);
    for (size_t i = 0; i < kGroupCaptions.size(); ++i)
      v.push_back({kGroupFirst + static_cast<int>(i), kGroupCaptions[i]});
    return v;
  }();
  return entries;
}

}  // namespace velt::str
