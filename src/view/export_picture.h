#pragma once
// Pictures of the figure that leave the program: which format a file name asks for, which
// part of the view a picture holds, drawing that part, and writing the file.
#include <optional>
#include <string>
#include <string_view>

#include "model/document.h"
#include "view/draw_context.h"

namespace velt {

enum class PictureFormat { kBmp, kPng, kSvg, kPdf, kTikz, kUnknown };

// By the file name's extension, in any case: .bmp, .png, .svg, .pdf, .tex.
PictureFormat PictureFormatOf(std::string_view path);

// The document's view rectangle, put back when the guard goes: printing and exports move
// the view to the part they draw and leave the window's view as it was.
class SavedView {
 public:
  explicit SavedView(Document& doc);
  ~SavedView();
  SavedView(const SavedView&) = delete;
  SavedView& operator=(const SavedView&) = delete;

 private:
  Document& doc_;
  double left_, top_, right_, bottom_;
};

// The part of a width × height screen picture that the picture commands take: the inside of
// the selection rectangle (its width and height less one pixel, at least 0, kept inside the
// picture) or, without one, the whole picture.
PixelBox PictureBox(const Document& doc, const std::optional<WorldRect>& selection, int width,
                    int height);

// Draws the box of the view into a canvas of the box's size (the box's top-left corner at
// the canvas's origin), with the view moved to the box for the drawing and put back after.
void DrawViewPart(Document& doc, Canvas& canvas, const PixelBox& box, DrawOptions opt);

enum class SaveResult { kSaved, kReadOnly, kFailed };

// Writes the bytes through a temporary file renamed over the target. A target that exists
// and may not be written is left alone (its read-only flag is the user's): kReadOnly.
SaveResult SavePictureFile(const std::string& utf8Path, std::string_view bytes);

}  // namespace velt
