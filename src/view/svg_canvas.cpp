#include "view/svg_canvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace velt {
namespace {

std::string Colour(int32_t c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

// Written with a point whatever the locale says (printf would follow LC_NUMERIC).
std::string Num(double v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
  return std::string(buf, r.ptr);
}

// Pixel centres: a one-pixel stroke along them covers whole pixels.
std::string Pt(PixelPoint p) { return Num(p.x + 0.5) + "," + Num(p.y + 0.5); }

std::string Escape(std::string_view s) {
  std::string out;
  for (char ch : s) {
    switch (ch) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default:
        // Control bytes are not allowed in XML text.
        if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t') out += ch;
    }
  }
  return out;
}

std::string Base64(const std::string& bytes) {
  static const char* kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    uint32_t v = (uint8_t(bytes[i]) << 16) | (uint8_t(bytes[i + 1]) << 8) | uint8_t(bytes[i + 2]);
    for (int k = 18; k >= 0; k -= 6) out += kDigits[(v >> k) & 63];
  }
  if (i < bytes.size()) {
    uint32_t v = uint8_t(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= uint8_t(bytes[i + 1]) << 8;
    out += kDigits[(v >> 18) & 63];
    out += kDigits[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

}  // namespace

SvgCanvas::SvgCanvas(int width, int height) : width_(width), height_(height) {}

std::string SvgCanvas::Document() const {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width_) +
         "\" height=\"" + std::to_string(height_) + "\" viewBox=\"0 0 " + std::to_string(width_) +
         " " + std::to_string(height_) + "\">\n" + body_ + "</svg>\n";
}

std::string SvgCanvas::Stroke() const {
  if (pen_.style == LineStyle::kNone) return " stroke=\"none\"";
  std::string s =
      " stroke=\"" + Colour(pen_.colour) + "\" stroke-width=\"" + std::to_string(pen_.width) + "\"";
  if (pen_.style == LineStyle::kDot) s += " stroke-dasharray=\"1,2\"";
  if (pen_.style == LineStyle::kDashDot) s += " stroke-dasharray=\"6,3,1,3\"";
  if (pen_.width > 1) s += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
  return s;
}

std::string SvgCanvas::Fill() const {
  return brush_.hollow ? " fill=\"none\"" : " fill=\"" + Colour(brush_.colour) + "\"";
}

void SvgCanvas::Clear(int32_t colour) {
  body_.clear();
  FillRect({0, 0, width_, height_}, colour);
}

void SvgCanvas::FillRect(const PixelBox& b, int32_t colour) {
  body_ += "<rect x=\"" + Num(b.left) + "\" y=\"" + Num(b.top) + "\" width=\"" +
           Num(b.right - b.left) + "\" height=\"" + Num(b.bottom - b.top) + "\" fill=\"" +
           Colour(colour) + "\"/>\n";
}

void SvgCanvas::Line(PixelPoint a, PixelPoint b) {
  if (pen_.style == LineStyle::kNone || a == b) return;
  // The pixel at b is not part of the line: stop one step short along the longer axis.
  const int dx = b.x - a.x, dy = b.y - a.y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 1 && pen_.width <= 1) return SetPixel(a, pen_.colour);
  const double k = pen_.width <= 1 ? double(steps - 1) / steps : 1.0;
  const PixelPoint end{a.x + static_cast<int>(std::lround(dx * k)),
                       a.y + static_cast<int>(std::lround(dy * k))};
  body_ += "<polyline points=\"" + Pt(a) + " " + Pt(end) + "\" fill=\"none\"" + Stroke() +
           (pen_.width <= 1 ? " stroke-linecap=\"square\"/>\n" : "/>\n");
}

void SvgCanvas::SetPixel(PixelPoint p, int32_t colour) {
  FillRect({p.x, p.y, p.x + 1, p.y + 1}, colour);
}

void SvgCanvas::Polyline(std::span<const PixelPoint> points) {
  if (points.empty()) return;
  std::string s = "<polyline points=\"";
  for (PixelPoint p : points) s += Pt(p) + " ";
  body_ += s + "\" fill=\"none\"" + Stroke() + "/>\n";
}

void SvgCanvas::Polygon(std::span<const PixelPoint> points) {
  if (points.empty()) return;
  std::string s = "<polygon points=\"";
  for (PixelPoint p : points) s += Pt(p) + " ";
  body_ += s + "\"" + Fill() + Stroke() + "/>\n";
}

void SvgCanvas::Rectangle(const PixelBox& b) {
  body_ += "<rect x=\"" + Num(b.left + 0.5) + "\" y=\"" + Num(b.top + 0.5) + "\" width=\"" +
           Num(b.right - b.left - 1) + "\" height=\"" + Num(b.bottom - b.top - 1) + "\"" + Fill() +
           Stroke() + "/>\n";
}

void SvgCanvas::Ellipse(const PixelBox& b) {
  body_ += "<ellipse cx=\"" + Num((b.left + b.right) / 2.0) + "\" cy=\"" +
           Num((b.top + b.bottom) / 2.0) + "\" rx=\"" + Num((b.right - b.left - 1) / 2.0) +
           "\" ry=\"" + Num((b.bottom - b.top - 1) / 2.0) + "\"" + Fill() + Stroke() + "/>\n";
}

void SvgCanvas::ArcPath(const PixelBox& b, PixelPoint start, PixelPoint end, bool pie) {
  const double cx = (b.left + b.right) / 2.0, cy = (b.top + b.bottom) / 2.0;
  const double rx = (b.right - b.left - 1) / 2.0, ry = (b.bottom - b.top - 1) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  // Angles as seen on the picture, counter-clockwise with y down.
  const double a0 = std::atan2(-(start.y + 0.5 - cy), start.x + 0.5 - cx);
  const double a1 = std::atan2(-(end.y + 0.5 - cy), end.x + 0.5 - cx);
  double sweep = a1 - a0;
  if (sweep <= 0) sweep += 2 * std::numbers::pi;
  const double x0 = cx + rx * std::cos(a0), y0 = cy - ry * std::sin(a0);
  const double x1 = cx + rx * std::cos(a0 + sweep), y1 = cy - ry * std::sin(a0 + sweep);
  std::string d = pie ? "M" + Num(cx) + "," + Num(cy) + " L" : "M";
  d += Num(x0) + "," + Num(y0) + " A" + Num(rx) + "," + Num(ry) + " 0 " +
       (sweep > std::numbers::pi ? "1" : "0") + " 0 " + Num(x1) + "," + Num(y1);
  if (pie) d += " Z";
  body_ +=
      "<path d=\"" + d + "\"" + (pie ? Fill() : std::string(" fill=\"none\"")) + Stroke() + "/>\n";
}

void SvgCanvas::Arc(const PixelBox& box, PixelPoint start, PixelPoint end) {
  ArcPath(box, start, end, false);
}

void SvgCanvas::Pie(const PixelBox& box, PixelPoint start, PixelPoint end) {
  ArcPath(box, start, end, true);
}

void SvgCanvas::Text(PixelPoint p, std::string_view text, const TextFont& font, int32_t colour,
                     int32_t background) {
  const TextExtent e = MeasureText(text, font);
  if (background >= 0) FillRect({p.x, p.y, p.x + e.width, p.y + e.height}, background);
  std::string attrs = " font-family=\"" + Escape(font.face) + "\" font-size=\"" +
                      Num(font.size * 96.0 / 72.0) + "px\"";
  if (font.bold) attrs += " font-weight=\"bold\"";
  if (font.italic) attrs += " font-style=\"italic\"";
  if (font.underline || font.strikeOut)
    attrs +=
        std::string(" text-decoration=\"") + (font.underline ? "underline" : "line-through") + "\"";
  body_ += "<text x=\"" + Num(p.x) + "\" y=\"" + Num(p.y + e.ascent) + "\" fill=\"" +
           Colour(colour) + "\"" + attrs + " xml:space=\"preserve\">" + Escape(text) + "</text>\n";
}

TextExtent SvgCanvas::MeasureText(std::string_view text, const TextFont& font) {
  // Without a font engine: an average glyph of 0.55 em and a line of 1.2 em.
  const double em = font.size * 96.0 / 72.0;
  size_t glyphs = 0;
  for (char ch : text)
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++glyphs;  // UTF-8 lead bytes
  return {static_cast<int>(std::lround(glyphs * em * 0.55)),
          static_cast<int>(std::lround(em * 1.2)), static_cast<int>(std::lround(em * 0.95))};
}

void SvgCanvas::DrawPicture(PixelPoint topLeft, const Picture& picture) {
  int w = 0, h = 0;
  if (!PictureSize(picture, w, h)) return;
  StretchPicture({topLeft.x, topLeft.y, topLeft.x + w, topLeft.y + h}, picture);
}

void SvgCanvas::StretchPicture(const PixelBox& b, const Picture& picture) {
  int w = 0, h = 0;
  if (!PictureSize(picture, w, h)) return;
  body_ += "<image x=\"" + Num(b.left) + "\" y=\"" + Num(b.top) + "\" width=\"" +
           Num(b.right - b.left) + "\" height=\"" + Num(b.bottom - b.top) +
           "\" preserveAspectRatio=\"none\" href=\"data:image/bmp;base64," + Base64(picture.bmp) +
           "\"/>\n";
}

void SvgCanvas::Combine(const Canvas& source, int width, int height, CombineMode mode) {
  auto* svg = dynamic_cast<const SvgCanvas*>(&source);
  if (!svg) return;
  // AND keeps the darker of the two pictures, OR the lighter.
  body_ += "<g style=\"mix-blend-mode:" +
           std::string(mode == CombineMode::kAnd ? "multiply" : "screen") + "\"><svg width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\">\n" + svg->body_ +
           "</svg></g>\n";
}

bool PictureSize(const Picture& picture, int& width, int& height) {
  const std::string& b = picture.bmp;
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return false;
  auto u32 = [&](size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
  };
  auto u16 = [&](size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
  };
  const uint32_t headerSize = u32(14);
  int64_t w, h;
  if (headerSize == 12) {  // the old core header: 16-bit sizes
    w = u16(18);
    h = int16_t(u16(20));
  } else if (headerSize >= 40) {
    w = int32_t(u32(18));
    h = int32_t(u32(22));
  } else {
    return false;
  }
  if (h < 0) h = -h;  // top-down rows
  if (w <= 0 || h <= 0 || w > 32768 || h > 32768) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

}  // namespace velt
