#include "view/export_picture.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "io/safe_file.h"
#include "view/redraw.h"

namespace velt {

PictureFormat PictureFormatOf(std::string_view path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return PictureFormat::kUnknown;
  std::string ext(path.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "bmp") return PictureFormat::kBmp;
  if (ext == "png") return PictureFormat::kPng;
  if (ext == "svg") return PictureFormat::kSvg;
  if (ext == "pdf") return PictureFormat::kPdf;
  if (ext == "tex") return PictureFormat::kTikz;
  return PictureFormat::kUnknown;
}

SavedView::SavedView(Document& doc)
    : doc_(doc),
      left_(doc.viewLeft),
      top_(doc.viewTop),
      right_(doc.viewRight),
      bottom_(doc.viewBottom) {}

SavedView::~SavedView() {
  doc_.viewLeft = left_;
  doc_.viewTop = top_;
  doc_.viewRight = right_;
  doc_.viewBottom = bottom_;
}

PixelBox PictureBox(const Document& doc, const std::optional<WorldRect>& selection, int width,
                    int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (!selection) return {0, 0, width, height};
  const ViewMapping map = MappingOf(doc);
  const WorldRect& r = *selection;
  const PixelPoint a = WorldToPixel(map, std::min(r.left, r.right), std::max(r.top, r.bottom));
  const PixelPoint b = WorldToPixel(map, std::max(r.left, r.right), std::min(r.top, r.bottom));
  // The inside of the rectangle: its outline's pixels are left out.
  const int left = std::clamp(a.x + 1, 0, width), top = std::clamp(a.y + 1, 0, height);
  const int w = std::max(b.x - a.x - 1, 0), h = std::max(b.y - a.y - 1, 0);
  return {left, top, std::min(left + w, width), std::min(top + h, height)};
}

void DrawViewPart(Document& doc, Canvas& canvas, const PixelBox& box, DrawOptions opt) {
  SavedView saved(doc);
  const ViewMapping map = MappingOf(doc);
  const WorldPoint topLeft = PixelToWorld(map, box.left, box.top);
  const WorldPoint bottomRight = PixelToWorld(map, box.right, box.bottom);
  doc.viewLeft = topLeft.x;
  doc.viewTop = topLeft.y;
  doc.viewRight = bottomRight.x;
  doc.viewBottom = bottomRight.y;
  opt.clientWidth = box.right - box.left;
  opt.clientHeight = box.bottom - box.top;
  opt.tracePicture = nullptr;
  RedrawAll(doc, canvas, opt);
}

SaveResult SavePictureFile(const std::string& utf8Path, std::string_view bytes) {
  const std::filesystem::path path = PathFromUtf8(utf8Path);
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    // Renaming over the file would go through its read-only flag, which is the user's.
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status)) return SaveResult::kFailed;
    if ((status.permissions() & std::filesystem::perms::owner_write) ==
        std::filesystem::perms::none)
      return SaveResult::kReadOnly;
  }
  return WriteFileSafely(path, bytes) ? SaveResult::kSaved : SaveResult::kFailed;
}

}  // namespace velt
