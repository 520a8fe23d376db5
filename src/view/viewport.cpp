#include "view/viewport.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

bool IsFar(double x, double y) {
  return !(std::fabs(x) <= kFarCoordinate) || !(std::fabs(y) <= kFarCoordinate);
}

}  // namespace

PixelPoint WorldToPixel(const ViewMapping& m, double x, double y) {
  if (IsFar(x, y)) return {kFarPixel, kFarPixel};
  // Halves go up, also for negative values.
  const double px = std::floor((x - m.left) * m.scale + 0.5);
  const double py = std::floor((m.top - y) * m.scale + 0.5);
  // Within the plane's coordinate range a pixel always fits; a far view (thumbnail of a
  // wild document) is pushed off the canvas rather than wrapped.
  auto clampPixel = [](double v) { return static_cast<int>(std::clamp(v, -1e9, 1e9)); };
  return {clampPixel(px), clampPixel(py)};
}

PixelPointF WorldToPixelExact(const ViewMapping& m, double x, double y) {
  if (IsFar(x, y)) return {double(kFarPixel), double(kFarPixel)};
  return {(x - m.left) * m.scale, (m.top - y) * m.scale};
}

WorldPoint PixelToWorld(const ViewMapping& m, double px, double py) {
  return {px / m.scale + m.left, m.top - py / m.scale};
}

WorldRect ViewRectOf(const Document& doc) {
  return {doc.viewLeft, doc.viewTop, doc.viewRight, doc.viewBottom};
}

ViewMapping MappingOf(const Document& doc, double scale) {
  return {doc.viewLeft, doc.viewTop, scale};
}

bool PointVisible(const WorldRect& v, double x, double y) {
  return v.left - 1 < x && x < v.right + 1 && v.bottom - 1 < y && y < v.top + 1;
}

double PlaneSizeMin(int screenWidth, int screenHeight) {
  return std::max<double>(std::max(screenWidth, screenHeight) + 1, 1000);
}

double PlaneSizeMax(int screenWidth, int screenHeight) {
  return PlaneSizeMin(screenWidth, screenHeight) + 10000;
}

double DefaultPlaneSize(int screenWidth, int screenHeight) {
  return std::max(4000.0, PlaneSizeMin(screenWidth, screenHeight) + 1000);
}

double BoundPlaneSize(double size, int screenWidth, int screenHeight) {
  const double lo = PlaneSizeMin(screenWidth, screenHeight);
  if (!(size >= lo)) return lo;  // also catches NaN
  return size;
}

ClipEdges EdgesOf(const WorldRect& r) {
  return {{{{r.left, r.bottom}, {r.right, r.bottom}},
           {{r.left, r.top}, {r.right, r.top}},
           {{r.left, r.bottom}, {r.left, r.top}},
           {{r.right, r.bottom}, {r.right, r.top}}}};
}

WorldRect RectOf(const ClipEdges& e) { return {e[2].a.x, e[1].a.y, e[3].a.x, e[0].a.y}; }

WorldRect PlaneRect(double planeSize) {
  const double h = planeSize / 2;
  return {-h, h, h, -h};
}

ClipEdges PlaneEdges(double planeSize) { return EdgesOf(PlaneRect(planeSize)); }

void ViewState::SetPlaneSize(double size) {
  planeSize = BoundPlaneSize(size, screenWidth, screenHeight);
  planeEdges = PlaneEdges(planeSize);
}

void ApplyViewInvariant(Document& doc, const ViewState& view) {
  doc.viewRight = doc.viewLeft + view.screenWidth * view.scale;
  doc.viewBottom = doc.viewTop - view.screenHeight * view.scale;
}

ScrollPositions ScrollBarPositions(const Document& doc, const ViewState& view) {
  const WorldRect plane = PlaneRect(view.planeSize);
  ScrollPositions p;
  // A plane no wider than the window leaves nothing to scroll: the bar rests at 0.
  const double spanH = plane.right - plane.left - view.clientWidth;
  const double spanV = view.clientHeight + (plane.bottom - plane.top);
  auto position = [&](double offset, double span) {
    if (span == 0 || !std::isfinite(offset / span)) return 0;
    const double v = std::trunc(view.scrollMax * offset / span);
    return static_cast<int>(std::clamp(v, 0.0, double(view.scrollMax)));
  };
  p.horizontal = spanH > 0 ? position(doc.viewLeft - plane.left, spanH) : 0;
  p.vertical = spanV < 0 ? position(doc.viewTop - plane.top, spanV) : 0;
  return p;
}

void SyncView(const Document& doc, ViewState& view, bool moveScrollBars) {
  view.visibleEdges = EdgesOf(ViewRectOf(doc));
  if (moveScrollBars) view.scroll = ScrollBarPositions(doc, view);
}

void CentreView(Document& doc, ViewState& view) {
  doc.viewLeft = -(view.clientWidth * view.scale) / 2;
  doc.viewTop = (view.clientHeight * view.scale) / 2;
  ApplyViewInvariant(doc, view);
  SyncView(doc, view, true);
}

void ScrollHorizontal(Document& doc, ViewState& view, int position) {
  if (view.scrollMax <= 0) return;
  const WorldRect plane = PlaneRect(view.planeSize);
  const int p = std::clamp(position, 0, view.scrollMax);
  doc.viewLeft = plane.left + (plane.right - plane.left - view.clientWidth) * p / view.scrollMax;
  view.scroll.horizontal = p;
  ApplyViewInvariant(doc, view);
  SyncView(doc, view, false);
}

void ScrollVertical(Document& doc, ViewState& view, int position) {
  if (view.scrollMax <= 0) return;
  const WorldRect plane = PlaneRect(view.planeSize);
  const int p = std::clamp(position, 0, view.scrollMax);
  doc.viewTop = plane.top + (view.clientHeight + (plane.bottom - plane.top)) * p / view.scrollMax;
  view.scroll.vertical = p;
  ApplyViewInvariant(doc, view);
  SyncView(doc, view, false);
}

}  // namespace velt
