#pragma once
// The arithmetic of the move-screen thumbnail: the frame of the window on it, the view
// that a dragged frame gives, and the plane-size track bar.
#include "view/canvas.h"
#include "view/viewport.h"

namespace velt {

inline constexpr int kPlaneSizeTrackMax = 1000;

// The whole plane on a square thumbnail of the given side in pixels.
ViewMapping ThumbnailMapping(double planeSize, int thumbnailSize);

// The window's frame on the thumbnail: at (ViewLeft, ViewTop), the plane area's size
// (client size less the plane-area offset) scaled to the thumbnail.
PixelBox ThumbnailFrame(const Document& doc, const ViewMapping& thumb, int clientWidth,
                        int clientHeight, int planeAreaOffset);
// A cyan one-pixel frame with a black one just outside it.
void DrawThumbnailFrame(Canvas& canvas, const PixelBox& frame);
// Keeps a dragged frame inside the thumbnail.
PixelBox KeepFrameInside(PixelBox frame, int thumbnailSize);
// The view whose top-left corner is at the frame's corner, each coordinate rounded
// towards zero to a whole world unit; the rectangle spans the screen at scale 1.
void ViewFromFrame(Document& doc, const ViewMapping& thumb, const PixelBox& frame, int screenWidth,
                   int screenHeight);

int PlaneSizeTrackPosition(double planeSize, int screenWidth, int screenHeight);
double PlaneSizeFromTrack(int position, int screenWidth, int screenHeight);

}  // namespace velt
