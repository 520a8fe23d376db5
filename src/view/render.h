#pragma once
// Drawing a whole document into a picture of its own, away from any window.
#include <string>

#include "model/document.h"
#include "view/canvas.h"

namespace velt {

struct RenderSettings {
  int width = 1024, height = 768;
  bool centre = false;  // centre the view on the origin instead of the document's own view
};

// Sizes from "WxH"; false for anything else, or sizes outside 1..16384.
bool ParsePictureSize(const std::string& text, int& width, int& height);

// Sets the document's view rectangle for a picture of the given size: its own top-left
// corner, or centred on the origin.
void SetRenderView(Document& doc, const RenderSettings& settings);

// Recomputes the document and draws it into the canvas with the render view.
void RenderDocument(Document& doc, Canvas& canvas, const RenderSettings& settings);

}  // namespace velt
