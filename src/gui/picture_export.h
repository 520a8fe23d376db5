#pragma once
// The figure as the bytes of a picture file: BMP and PNG from the pixels the window shows,
// SVG and TikZ from the core's canvases, PDF through Qt's PDF writer.
#include <QImage>
#include <string>

#include "view/export_picture.h"

namespace velt {

// The box of the view drawn as a picture of the box's size (smoothed when the document's
// "AA" flag is on, as on the screen).
QImage ViewPicture(Document& doc, const PixelBox& box, const DrawOptions& opt);

// The box of the view in the format's bytes; empty when the format is unknown or the
// encoder fails.
std::string PictureBytes(Document& doc, PictureFormat format, const PixelBox& box,
                         const DrawOptions& opt);

// A picture's pixels as BMP bytes, as bitmap elements keep them; empty when encoding fails.
std::string BmpBytes(const QImage& image);

}  // namespace velt
