#include "view/recording_canvas.h"

#include "view/text_measure.h"

namespace velt {

DrawCall& RecordingCanvas::Add(DrawOp op) {
  DrawCall& c = calls_.emplace_back();
  c.op = op;
  c.pen = pen_;
  c.brush = brush_;
  return c;
}

void RecordingCanvas::Clear(int32_t colour) { Add(DrawOp::kClear).colour = colour; }

void RecordingCanvas::FillRect(const PixelBox& box, int32_t colour) {
  DrawCall& c = Add(DrawOp::kFillRect);
  c.box = box;
  c.colour = colour;
}

void RecordingCanvas::Line(PixelPoint a, PixelPoint b) { Add(DrawOp::kLine).points = {a, b}; }

void RecordingCanvas::SetPixel(PixelPoint p, int32_t colour) {
  DrawCall& c = Add(DrawOp::kSetPixel);
  c.points = {p};
  c.colour = colour;
}

void RecordingCanvas::Polyline(std::span<const PixelPoint> points) {
  Add(DrawOp::kPolyline).points.assign(points.begin(), points.end());
}

void RecordingCanvas::Polygon(std::span<const PixelPoint> points) {
  Add(DrawOp::kPolygon).points.assign(points.begin(), points.end());
}

void RecordingCanvas::Rectangle(const PixelBox& box) { Add(DrawOp::kRectangle).box = box; }

void RecordingCanvas::Ellipse(const PixelBox& box) { Add(DrawOp::kEllipse).box = box; }

void RecordingCanvas::Arc(const PixelBox& box, PixelPoint start, PixelPoint end) {
  DrawCall& c = Add(DrawOp::kArc);
  c.box = box;
  c.points = {start, end};
}

void RecordingCanvas::Pie(const PixelBox& box, PixelPoint start, PixelPoint end) {
  DrawCall& c = Add(DrawOp::kPie);
  c.box = box;
  c.points = {start, end};
}

void RecordingCanvas::Text(PixelPoint p, std::string_view text, const TextFont& font,
                           int32_t colour, int32_t background) {
  DrawCall& c = Add(DrawOp::kText);
  c.points = {p};
  c.text = std::string(text);
  c.font = font;
  c.colour = colour;
  c.background = background;
}

TextExtent RecordingCanvas::MeasureText(std::string_view text, const TextFont& font) {
  // A fixed-pitch stand-in: wide enough to lay out lines and boxes predictably.
  return FixedPitchMeasure().Measure(text, font);
}

void RecordingCanvas::DrawPicture(PixelPoint topLeft, const Picture&) {
  Add(DrawOp::kPicture).points = {topLeft};
}

void RecordingCanvas::StretchPicture(const PixelBox& box, const Picture&) {
  Add(DrawOp::kStretchPicture).box = box;
}

void RecordingCanvas::Combine(const Canvas&, int width, int height, CombineMode mode) {
  DrawCall& c = Add(DrawOp::kCombine);
  c.box = {0, 0, width, height};
  c.mode = mode;
}

}  // namespace velt
