#include "view/tikz_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace velt {
namespace {

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  std::string s = buf;
  // Trailing zeros say nothing: 12.50 → 12.5, 3.00 → 3.
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

// Pixel centres: a one-pixel line along them covers whole pixels.
std::string Pt(double x, double y) {
  std::string s = "(";
  s += Num(x);
  s += ',';
  s += Num(y);
  s += ')';
  return s;
}
std::string Centre(PixelPoint p) { return Pt(p.x + 0.5, p.y + 0.5); }

// Lengths of the dash patterns in pt, from pixels of 0.75 pt.
const char* DashOf(LineStyle s) {
  switch (s) {
    case LineStyle::kDot: return ", dash pattern=on 0.75pt off 1.5pt";
    case LineStyle::kDashDot: return ", dash pattern=on 4.5pt off 2.25pt on 0.75pt off 2.25pt";
    default: return "";
  }
}

}  // namespace

std::string EscapeTex(std::string_view text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '\\': out += "\\textbackslash{}"; break;
      case '{': out += "\\{"; break;
      case '}': out += "\\}"; break;
      case '$': out += "\\$"; break;
      case '&': out += "\\&"; break;
      case '#': out += "\\#"; break;
      case '%': out += "\\%"; break;
      case '_': out += "\\_"; break;
      case '^': out += "\\textasciicircum{}"; break;
      case '~': out += "\\textasciitilde{}"; break;
      default:
        // Control bytes have no glyph and would end TeX's line reading in odd ways.
        if (static_cast<unsigned char>(ch) >= 0x20) out += ch;
    }
  }
  return out;
}

TikzCanvas::TikzCanvas(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {}

std::string TikzCanvas::ColourName(int32_t c) {
  c &= 0xFFFFFF;
  auto it = colours_.find(c);
  if (it != colours_.end()) return it->second;
  char name[16];
  std::snprintf(name, sizeof name, "velt%06X", static_cast<unsigned>(c));
  colours_.emplace(c, name);
  return name;
}

std::string TikzCanvas::Document() const {
  std::string out =
      "% A figure drawn by VELT.\n"
      "\\documentclass{article}\n"
      "\\usepackage[T1]{fontenc}\n"
      "\\usepackage[utf8]{inputenc}\n"
      "\\usepackage{tikz}\n"
      "\\usepackage[active,tightpage]{preview}\n"
      "\\PreviewEnvironment{tikzpicture}\n"
      "\\setlength{\\PreviewBorder}{0pt}\n";
  for (const auto& [c, name] : colours_) {
    out += "\\definecolor{" + name + "}{RGB}{" + std::to_string(c & 0xFF) + "," +
           std::to_string((c >> 8) & 0xFF) + "," + std::to_string((c >> 16) & 0xFF) + "}\n";
  }
  out += "\\begin{document}\n% begin picture\n\\begin{tikzpicture}[x=0.75pt, y=-0.75pt]\n";
  out += "\\useasboundingbox (0,0) rectangle " + Pt(width_, height_) + ";\n";
  out += "\\clip (0,0) rectangle " + Pt(width_, height_) + ";\n";
  out += body_;
  out += "\\end{tikzpicture}\n% end picture\n\\end{document}\n";
  return out;
}

std::string TikzCanvas::DrawOptions() {
  if (pen_.style == LineStyle::kNone) return {};
  std::string s = "draw=" + ColourName(pen_.colour) + ", line width=" + Num(pen_.width * 0.75) +
                  "pt" + DashOf(pen_.style);
  if (pen_.width > 1) s += ", line cap=round, line join=round";
  return s;
}

std::string TikzCanvas::FillOptions() {
  return brush_.hollow ? std::string() : "fill=" + ColourName(brush_.colour);
}

void TikzCanvas::Clear(int32_t colour) {
  body_.clear();
  FillRect({0, 0, width_, height_}, colour);
}

void TikzCanvas::FillRect(const PixelBox& b, int32_t colour) {
  if (b.right <= b.left || b.bottom <= b.top) return;
  body_ += "\\fill[" + ColourName(colour) + "] " + Pt(b.left, b.top) + " rectangle " +
           Pt(b.right, b.bottom) + ";\n";
}

void TikzCanvas::Line(PixelPoint a, PixelPoint b) {
  const std::string pen = DrawOptions();
  if (pen.empty() || a == b) return;
  body_ += "\\path[" + pen + "] " + Centre(a) + " -- " + Centre(b) + ";\n";
}

void TikzCanvas::SetPixel(PixelPoint p, int32_t colour) {
  FillRect({p.x, p.y, p.x + 1, p.y + 1}, colour);
}

void TikzCanvas::Polyline(std::span<const PixelPoint> points) {
  const std::string pen = DrawOptions();
  if (pen.empty() || points.size() < 2) return;
  std::string s = "\\path[" + pen + "] " + Centre(points[0]);
  for (size_t i = 1; i < points.size(); ++i) {
    s += i % 8 == 0 ? "\n  -- " : " -- ";
    s += Centre(points[i]);
  }
  body_ += s + ";\n";
}

void TikzCanvas::Polygon(std::span<const PixelPoint> points) {
  std::string opts = FillOptions();
  const std::string pen = DrawOptions();
  if (!pen.empty()) {
    if (!opts.empty()) opts += ", ";
    opts += pen;
  }
  if (opts.empty() || points.size() < 2) return;
  std::string s = "\\path[" + opts + "] " + Centre(points[0]);
  for (size_t i = 1; i < points.size(); ++i) {
    s += i % 8 == 0 ? "\n  -- " : " -- ";
    s += Centre(points[i]);
  }
  body_ += s + " -- cycle;\n";
}

void TikzCanvas::Rectangle(const PixelBox& b) {
  std::string opts = FillOptions();
  const std::string pen = DrawOptions();
  if (!pen.empty()) {
    if (!opts.empty()) opts += ", ";
    opts += pen;
  }
  if (opts.empty()) return;
  body_ += "\\path[" + opts + "] " + Pt(b.left + 0.5, b.top + 0.5) + " rectangle " +
           Pt(b.right - 0.5, b.bottom - 0.5) + ";\n";
}

void TikzCanvas::Ellipse(const PixelBox& b) {
  std::string opts = FillOptions();
  const std::string pen = DrawOptions();
  if (!pen.empty()) {
    if (!opts.empty()) opts += ", ";
    opts += pen;
  }
  const double rx = (b.right - b.left - 1) / 2.0, ry = (b.bottom - b.top - 1) / 2.0;
  if (opts.empty() || rx < 0 || ry < 0) return;
  body_ += "\\path[" + opts + "] " + Pt((b.left + b.right) / 2.0, (b.top + b.bottom) / 2.0) +
           " ellipse [x radius=" + Num(rx) + ", y radius=" + Num(ry) + "];\n";
}

void TikzCanvas::ArcPath(const PixelBox& b, PixelPoint start, PixelPoint end, bool pie) {
  const double cx = (b.left + b.right) / 2.0, cy = (b.top + b.bottom) / 2.0;
  const double rx = (b.right - b.left - 1) / 2.0, ry = (b.bottom - b.top - 1) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  // Counter-clockwise on the picture is clockwise in TikZ's angles once y runs down.
  const double a0 = std::atan2(-(start.y + 0.5 - cy), start.x + 0.5 - cx);
  const double a1 = std::atan2(-(end.y + 0.5 - cy), end.x + 0.5 - cx);
  double sweep = a1 - a0;
  if (sweep <= 0) sweep += 2 * std::numbers::pi;
  const double deg = 180 / std::numbers::pi;
  const double x0 = cx + rx * std::cos(a0), y0 = cy - ry * std::sin(a0);
  std::string opts = pie ? FillOptions() : std::string();
  const std::string pen = DrawOptions();
  if (!pen.empty()) {
    if (!opts.empty()) opts += ", ";
    opts += pen;
  }
  if (opts.empty()) return;
  std::string path = "\\path[" + opts + "] ";
  if (pie) path += Pt(cx, cy) + " -- ";
  path += Pt(x0, y0) + " arc[start angle=" + Num(-a0 * deg) + ", delta angle=" + Num(-sweep * deg) +
          ", x radius=" + Num(rx) + ", y radius=" + Num(ry) + "]";
  body_ += path + (pie ? " -- cycle;\n" : ";\n");
}

void TikzCanvas::Arc(const PixelBox& box, PixelPoint start, PixelPoint end) {
  ArcPath(box, start, end, false);
}

void TikzCanvas::Pie(const PixelBox& box, PixelPoint start, PixelPoint end) {
  ArcPath(box, start, end, true);
}

void TikzCanvas::Text(PixelPoint p, std::string_view text, const TextFont& font, int32_t colour,
                      int32_t background) {
  if (text.empty()) return;
  const TextExtent e = MeasureText(text, font);
  if (background >= 0) FillRect({p.x, p.y, p.x + e.width, p.y + e.height}, background);
  // Sizes are points on a 96-dpi picture, and a picture pixel is 0.75 pt: the size in pt.
  const int size = std::clamp(std::abs(font.size), 1, 1000);
  std::string style =
      "\\fontsize{" + std::to_string(size) + "}{" + Num(size * 1.2) + "}\\selectfont";
  if (font.bold) style += "\\bfseries";
  if (font.italic) style += "\\itshape";
  std::string body = EscapeTex(text);
  if (font.underline) body = "\\underline{" + body + "}";
  body_ += "\\node[anchor=north west, inner sep=0pt, text=" + ColourName(colour) +
           ", font=" + style + "] at " + Pt(p.x, p.y) + " {" + body + "};\n";
}

TextExtent TikzCanvas::MeasureText(std::string_view text, const TextFont& font) {
  // Without a font engine: an average glyph of 0.55 em and a line of 1.2 em.
  const double em = std::abs(font.size) * 96.0 / 72.0;
  size_t glyphs = 0;
  for (char ch : text)
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++glyphs;  // UTF-8 lead bytes
  return {static_cast<int>(std::lround(glyphs * em * 0.55)),
          static_cast<int>(std::lround(em * 1.2)), static_cast<int>(std::lround(em * 0.95))};
}

void TikzCanvas::DrawPicture(PixelPoint topLeft, const Picture& picture) {
  int w = 0, h = 0;
  if (!PictureSize(picture, w, h)) return;
  StretchPicture({topLeft.x, topLeft.y, topLeft.x + w, topLeft.y + h}, picture);
}

void TikzCanvas::StretchPicture(const PixelBox& b, const Picture& picture) {
  int w = 0, h = 0;
  if (!PictureSize(picture, w, h)) return;
  // TeX cannot take the picture's bytes inline: its place is kept as a grey frame.
  body_ += "% a " + std::to_string(w) + "x" + std::to_string(h) + " picture\n";
  body_ += "\\draw[" + ColourName(0x808080) + ", line width=0.75pt] " +
           Pt(b.left + 0.5, b.top + 0.5) + " rectangle " + Pt(b.right - 0.5, b.bottom - 0.5) +
           ";\n";
}

void TikzCanvas::Combine(const Canvas& source, int width, int height, CombineMode) {
  auto* tikz = dynamic_cast<const TikzCanvas*>(&source);
  if (!tikz) return;
  // The traces over the figure, inside the same part of the picture. Colour names come from
  // the colours themselves, so the source's names mean the same here.
  for (const auto& [c, name] : tikz->colours_) ColourName(c);
  body_ += "\\begin{scope}\n\\clip (0,0) rectangle " + Pt(width, height) + ";\n" + tikz->body_ +
           "\\end{scope}\n";
}

}  // namespace velt
