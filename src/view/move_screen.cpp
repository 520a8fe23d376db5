#include "view/move_screen.h"

#include <algorithm>
#include <cmath>

namespace velt {

ViewMapping ThumbnailMapping(double planeSize, int thumbnailSize) {
  const WorldRect plane = PlaneRect(planeSize);
  return {plane.left, plane.top, planeSize > 0 ? thumbnailSize / planeSize : 1.0};
}

PixelBox ThumbnailFrame(const Document& doc, const ViewMapping& thumb, int clientWidth,
                        int clientHeight, int planeAreaOffset) {
  const PixelPoint corner = WorldToPixel(thumb, doc.viewLeft, doc.viewTop);
  const int w = static_cast<int>(std::lround((clientWidth - planeAreaOffset) * thumb.scale));
  const int h = static_cast<int>(std::lround((clientHeight - planeAreaOffset) * thumb.scale));
  return {corner.x, corner.y, corner.x + w, corner.y + h};
}

void DrawThumbnailFrame(Canvas& canvas, const PixelBox& f) {
  canvas.SetBrush({0, true});
  canvas.SetPen({0x000000, 1, LineStyle::kSolid});
  canvas.Rectangle({f.left - 1, f.top - 1, f.right + 1, f.bottom + 1});
  canvas.SetPen({0xFFFF00, 1, LineStyle::kSolid});
  canvas.Rectangle(f);
}

PixelBox KeepFrameInside(PixelBox f, int size) {
  const int w = f.right - f.left, h = f.bottom - f.top;
  const int left = std::clamp(f.left, 0, std::max(0, size - w));
  const int top = std::clamp(f.top, 0, std::max(0, size - h));
  return {left, top, left + w, top + h};
}

void ViewFromFrame(Document& doc, const ViewMapping& thumb, const PixelBox& frame, int screenWidth,
                   int screenHeight) {
  const WorldPoint corner = PixelToWorld(thumb, frame.left, frame.top);
  doc.viewLeft = std::trunc(corner.x);
  doc.viewTop = std::trunc(corner.y);
  doc.viewRight = doc.viewLeft + screenWidth;
  doc.viewBottom = doc.viewTop - screenHeight;
}

int PlaneSizeTrackPosition(double planeSize, int screenWidth, int screenHeight) {
  const double lo = PlaneSizeMin(screenWidth, screenHeight);
  const double hi = PlaneSizeMax(screenWidth, screenHeight);
  const double p = std::floor(kPlaneSizeTrackMax * (planeSize - lo) / (hi - lo) + 0.5);
  return static_cast<int>(std::clamp(p, 0.0, double(kPlaneSizeTrackMax)));
}

double PlaneSizeFromTrack(int position, int screenWidth, int screenHeight) {
  const double lo = PlaneSizeMin(screenWidth, screenHeight);
  const double hi = PlaneSizeMax(screenWidth, screenHeight);
  return lo + (hi - lo) * std::clamp(position, 0, kPlaneSizeTrackMax) / kPlaneSizeTrackMax;
}

}  // namespace velt
