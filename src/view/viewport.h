#pragma once
// The window onto the plane: world-to-pixel mapping, plane bounds, clip edges, scrolling.
#include <array>
#include <cstdint>

#include "model/document.h"

namespace velt {

struct WorldPoint {
  double x = 0, y = 0;
};
struct PixelPoint {
  int x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};
struct PixelPointF {
  double x = 0, y = 0;
};

// An axis-parallel rectangle of the plane, y up.
struct WorldRect {
  double left = 0, top = 0, right = 0, bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return top - bottom; }
  WorldPoint Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};

struct EdgeSegment {
  WorldPoint a, b;
};
// Four edges of a rectangle, in the order bottom, top, left, right.
using ClipEdges = std::array<EdgeSegment, 4>;

// Where coordinates beyond kFarCoordinate land: far off every canvas.
inline constexpr double kFarCoordinate = 1e10;
inline constexpr int kFarPixel = 999999;

// What maps world to pixels: the view's top-left corner and the pixels per world unit.
struct ViewMapping {
  double left = 0, top = 0, scale = 1.0;
};

PixelPoint WorldToPixel(const ViewMapping& m, double x, double y);
PixelPointF WorldToPixelExact(const ViewMapping& m, double x, double y);
WorldPoint PixelToWorld(const ViewMapping& m, double px, double py);

WorldRect ViewRectOf(const Document& doc);
ViewMapping MappingOf(const Document& doc, double scale = 1.0);
// Inside the view rectangle with a one-unit margin (strict).
bool PointVisible(const WorldRect& view, double x, double y);
inline bool PointVisible(const Document& doc, double x, double y) {
  return PointVisible(ViewRectOf(doc), x, y);
}

// Plane size bounds for a screen of the given size.
double PlaneSizeMin(int screenWidth, int screenHeight);
double PlaneSizeMax(int screenWidth, int screenHeight);
double DefaultPlaneSize(int screenWidth, int screenHeight);
// A size below the minimum is raised to it.
double BoundPlaneSize(double size, int screenWidth, int screenHeight);

ClipEdges EdgesOf(const WorldRect& r);
WorldRect RectOf(const ClipEdges& e);
ClipEdges PlaneEdges(double planeSize);
WorldRect PlaneRect(double planeSize);

struct ScrollPositions {
  int horizontal = 0, vertical = 0;
};

// The window's side of the view: what the main window keeps for the current document.
struct ViewState {
  double scale = 1.0;  // pixels per world unit: 1 except on the thumbnail and the printer
  int screenWidth = 1920, screenHeight = 1080;
  int clientWidth = 800, clientHeight = 600;  // the plane area of the window
  double planeSize = 4000;
  ClipEdges planeEdges = PlaneEdges(4000);
  ClipEdges visibleEdges{};
  int scrollMax = 1000;
  ScrollPositions scroll;

  // Changes the plane size (raised to the minimum) and its edges.
  void SetPlaneSize(double size);
};

// ViewRight and ViewBottom from ViewLeft and ViewTop: the rectangle spans the screen.
void ApplyViewInvariant(Document& doc, const ViewState& view);
// Copies the view rectangle into the visible edges; optionally moves the scroll bars.
void SyncView(const Document& doc, ViewState& view, bool moveScrollBars);
// A new document's view, centred on the world origin.
void CentreView(Document& doc, ViewState& view);
// Scroll-bar positions that show the document's present view.
ScrollPositions ScrollBarPositions(const Document& doc, const ViewState& view);
// The view after a scroll bar moved to a position in 0..scrollMax. The caller clears the
// trace picture and redraws.
void ScrollHorizontal(Document& doc, ViewState& view, int position);
void ScrollVertical(Document& doc, ViewState& view, int position);

}  // namespace velt
