#pragma once
// Everything a drawing routine needs: the document, the picture, the mapping and the clip.
#include <cstdint>
#include <optional>

#include "view/canvas.h"
#include "view/viewport.h"

namespace velt {

class LanguageTable;

// What the window tells the drawing about the moment.
struct DrawOptions {
  bool showHidden = false;  // "Ver lo oculto"
  bool mainPicture = true;  // drawing into the main picture (selection shows there only)
  bool realSize = true;     // false on the move-screen thumbnail
  bool dragging = false;    // an element is being dragged
  bool rubberBand = false;  // a selection rectangle is being pulled
  int screenDpi = 96;       // pixels per inch of the screen, for label sizes
  int printerDpi = 0;       // set when drawing on the printer: shapes scale with it
  int clientWidth = 0, clientHeight = 0;  // the plane area (0: the whole picture)
  // Traces: the trace picture, whether traced elements are added to it now, and whether
  // the view itself is being dragged (then the trace picture is only cleared).
  Canvas* tracePicture = nullptr;
  bool addTraces = false;
  bool viewDragging = false;
  // A pending selection rectangle in world coordinates.
  std::optional<WorldRect> selectionRectangle;
  // The texts labels are written in (units, "no existente", checker answers); null for the
  // built-in ones.
  const LanguageTable* language = nullptr;
};

struct DrawContext {
  const Document& doc;
  Canvas& canvas;
  ViewMapping map;
  WorldRect view;  // the view rectangle: point visibility
  WorldRect clip;  // the clip rectangle: visible edges, or the plane on the thumbnail
  DrawOptions opt;

  PixelPoint Pixel(double x, double y) const { return WorldToPixel(map, x, y); }
  PixelPoint Pixel(WorldPoint p) const { return WorldToPixel(map, p.x, p.y); }
  // Centre and radius of the circle around the clip rectangle.
  WorldPoint ViewCentre() const { return clip.Centre(); }
  double ViewRadius() const;
};

// A context for the main picture or the printer (view rectangle as clip) ...
DrawContext ScreenContext(const Document& doc, Canvas& canvas, const DrawOptions& opt,
                          double scale = 1.0);
// ... and for the move-screen thumbnail (the whole plane, scaled to the picture).
DrawContext ThumbnailContext(const Document& doc, Canvas& canvas, double planeSize,
                             DrawOptions opt);

// How one element is drawn this time.
struct Look {
  int32_t colour = 0;
  int32_t style = 1;  // point shape, line style, or text background
  int32_t fill = -1;  // fill colour of polygons, circles and angles; -1 none
  bool fillOnly = false;
};

// Line styles 1..6 and the halo styles -1..-4.
Pen LineStylePen(int32_t style, int32_t colour);
bool IsWideStyle(int32_t style);  // 2, 5, 6 and the halos
// The halo style of a selected element from its own style.
int32_t HaloStyleOf(int32_t style);

// Font sizes are given for a 96-dpi screen: size × 96 / dpi, halves towards zero.
int ScaledFontSize(int size, int screenDpi);
TextFont ToTextFont(const Font& f, int screenDpi);

}  // namespace velt
