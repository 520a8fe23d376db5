#include "ui/strings_measures.h"

#include "model/kinds.h"

namespace velt::str {

std::span<const StringEntry> MeasureStrings() {
  static const StringEntry entries[] = {
      {kNotExisting, "no existente"},
      {kUnitWord, "unidad"},
      {CheckerAnswer(kCheckParallel, true), "paralelos"},
      {CheckerAnswer(kCheckParallel, false), "no paralelos"},
      {CheckerAnswer(kCheckPerpendicular, true), "perpendicular"},
      {CheckerAnswer(kCheckPerpendicular, false), "no perpendicular"},
      {CheckerAnswer(kCheckOn, true), "pertenece"},
      {CheckerAnswer(kCheckOn, false), "no pertenece"},
      {CheckerAnswer(kCheckEquidistant, true), "equidistan"},
      {CheckerAnswer(kCheckEquidistant, false), "no equidistan"},
      {CheckerAnswer(kCheckAligned, true), "alineados"},
      {CheckerAnswer(kCheckAligned, false), "no alineados"},
      {LengthUnitText(0), "mm"},
      {LengthUnitText(1), "cm"},
      {LengthUnitText(2), "m"},
      {LengthUnitText(3), "km"},
      {AreaUnitText(0), "mm²"},
      {AreaUnitText(1), "cm²"},
      {AreaUnitText(2), "m²"},
      {AreaUnitText(3), "km²"},
      {AngleUnitText(0), "rd"},
      {AngleUnitText(1), "°"},
      {AngleUnitText(2), "gr"},
  };
  return entries;
}

}  // namespace velt::str
