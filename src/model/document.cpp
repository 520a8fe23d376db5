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

void TakeDocumentSettings(const Document& d, Options& o) {
  o.backgroundColour = d.backgroundColour;
  o.hiddenColour = d.hiddenColour;
  o.selectionColour = d.selectionColour;
  o.lengthUnit = d.lengthUnit;
  o.angleUnit = d.angleUnit;
  o.measureScale = d.measureScale;
  o.coordinateSystem = d.coordinateSystem;
}

std::unique_ptr<Document> MakeDocument(const Options& options) {
  auto d = std::make_unique<Document>();
  ApplyOptionsToDocument(options, *d);
  return d;
}

}  // namespace velt
