#include "view/render.h"

#include <charconv>

#include "geometry/recompute.h"
#include "view/redraw.h"

namespace velt {

bool ParsePictureSize(const std::string& text, int& width, int& height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const char* b = text.data();
  int w = 0, h = 0;
  auto r1 = std::from_chars(b, b + x, w);
  auto r2 = std::from_chars(b + x + 1, b + text.size(), h);
  if (r1.ec != std::errc{} || r1.ptr != b + x || r2.ec != std::errc{} || r2.ptr != b + text.size())
    return false;
  if (w < 1 || h < 1 || w > 16384 || h > 16384) return false;
  width = w;
  height = h;
  return true;
}

void SetRenderView(Document& doc, const RenderSettings& s) {
  ViewState view;
  view.screenWidth = view.clientWidth = s.width;
  view.screenHeight = view.clientHeight = s.height;
  if (s.centre) {
    CentreView(doc, view);
  } else {
    ApplyViewInvariant(doc, view);
  }
}

void RenderDocument(Document& doc, Canvas& canvas, const RenderSettings& settings) {
  SetRenderView(doc, settings);
  RecomputeAll(doc);
  DrawOptions opt;
  opt.mainPicture = false;  // a picture for export: no selection marks
  RedrawAll(doc, canvas, opt);
}

}  // namespace velt
