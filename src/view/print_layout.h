#pragma once
// The arithmetic of printing: the print scale of the preview's track bar, the page frame on
// the plane and on the preview, the number of copies, and the view set to the page.
#include <string_view>

#include "model/document.h"
#include "view/canvas.h"
#include "view/viewport.h"

namespace velt {

// Millimetres of paper per plane pixel when the preview opens, and the range of the bar.
inline constexpr double kDefaultPrintScale = 0.25;
inline constexpr double kPrintScaleMin = 0.12;
// One job prints at most this many copies: a mistyped number must not feed a printer for
// hours.
inline constexpr int kMaxCopies = 99;

// 0.12 + position / maximum / 3.
double PrintScaleFromTrack(int position, int maximum);
// The number in the copies field: at least 1 (zero or nothing prints one), at most kMaxCopies.
int CopiesFromText(std::string_view text);

// The page on the plane: its top-left corner and its size in plane pixels.
struct PageFrame {
  double left = 0, top = 0, width = 0, height = 0;
};

// The paper's size in millimetres divided by the print scale.
PageFrame PageOnPlane(WorldPoint topLeft, double paperWidthMm, double paperHeightMm,
                      double printScale);

// The preview shows the whole plane (planeSize wide) reduced to previewWidth pixels.
PixelBox FrameOnPreview(const PageFrame& page, double planeSize, int previewWidth);
// A dragged frame kept whole inside the preview (a frame larger than the preview sits at 0).
PixelBox KeepInsidePreview(PixelBox frame, int previewWidth, int previewHeight);
// The plane point at the frame's top-left corner.
WorldPoint FrameCorner(const PixelBox& frame, double planeSize, int previewWidth);

// The document's view rectangle set to the page (the caller keeps the old one).
void SetViewToPage(Document& doc, const PageFrame& page);
// Printer dots per plane pixel: the printable width in dots over the page width in pixels.
double PrintDrawScale(int pageWidthDots, const PageFrame& page);

}  // namespace velt
