#include "view/print_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velt {

double PrintScaleFromTrack(int position, int maximum) {
  if (maximum <= 0) return kDefaultPrintScale;
  position = std::clamp(position, 0, maximum);
  return kPrintScaleMin + double(position) / maximum / 3;
}

int CopiesFromText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  long long n = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec == std::errc::result_out_of_range) return kMaxCopies;
  if (ec != std::errc{} || n < 1) return 1;
  return static_cast<int>(std::min<long long>(n, kMaxCopies));
}

PageFrame PageOnPlane(WorldPoint topLeft, double paperWidthMm, double paperHeightMm,
                      double printScale) {
  if (!(printScale > 0)) printScale = kDefaultPrintScale;
  return {topLeft.x, topLeft.y, paperWidthMm / printScale, paperHeightMm / printScale};
}

PixelBox FrameOnPreview(const PageFrame& page, double planeSize, int previewWidth) {
  const double k = planeSize > 0 ? previewWidth / planeSize : 0;
  const double half = planeSize / 2;
  const int left = static_cast<int>(std::lround((page.left + half) * k));
  const int top = static_cast<int>(std::lround((half - page.top) * k));
  return {left, top, left + static_cast<int>(std::lround(page.width * k)),
          top + static_cast<int>(std::lround(page.height * k))};
}

PixelBox KeepInsidePreview(PixelBox f, int previewWidth, int previewHeight) {
  const int w = f.right - f.left, h = f.bottom - f.top;
  const int x = std::clamp(f.left, 0, std::max(0, previewWidth - w));
  const int y = std::clamp(f.top, 0, std::max(0, previewHeight - h));
  return {x, y, x + w, y + h};
}

WorldPoint FrameCorner(const PixelBox& frame, double planeSize, int previewWidth) {
  const double k = previewWidth > 0 ? planeSize / previewWidth : 0;
  const double half = planeSize / 2;
  return {frame.left * k - half, half - frame.top * k};
}

void SetViewToPage(Document& doc, const PageFrame& page) {
  doc.viewLeft = page.left;
  doc.viewTop = page.top;
  doc.viewRight = page.left + page.width;
  doc.viewBottom = page.top - page.height;
}

double PrintDrawScale(int pageWidthDots, const PageFrame& page) {
  return page.width > 0 ? pageWidthDots / page.width : 1.0;
}

}  // namespace velt
