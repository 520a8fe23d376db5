#include "model/document.h"

namespace velt {

void ApplyOptionsToDocument(const Options& o, Document& d) {
  d.backgroundColour = o.backgroundColour;
  d.hiddenColour = o.hiddenColour;
  d.selectionColour = o.selectionColour;
  d.cursorFont = o.cursorFont;
  d.nameFont = o.nameFont;
  d.numberFont = o.numberFont;
  d.textFont = o.textFont;
  d.typeColours = o.typeColours;
  d.typeStyles = o.typeStyles;
  d.lengthUnit = o.lengthUnit;
  d.angleUnit = o.angleUnit;
  d.measureScale = o.measureScale;
  d.coordinateSystem = o.coordinateSystem;
  d.antiAliased = o.antiAliased;
}

std::unique_ptr<Document> MakeDocument(const Options& options) {
  auto d = std::make_unique<Document>();
  ApplyOptionsToDocument(options, *d);
  return d;
}

}  // namespace velt
