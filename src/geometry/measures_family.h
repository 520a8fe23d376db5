#pragma once
// What the measurement rules share: the document the units come from, the clamp, and the
// tables of the coordinate, equation and checker kinds, which live in their own files.
#include "geometry/rules.h"

namespace velt {

// The document of the pass, or a default one (cm, RAD, 40 pixels per cm) when a rule runs
// without one.
const Document& UnitsDocument(const RuleContext& ctx);

// A value whose magnitude is below 1e-8 becomes exactly 0.
double Clamp(double v);

// Stores a measured number: a finite value is clamped into value1 and the element exists;
// anything else makes it undefined (exists 0) and never reaches value1.
void SetMeasure(Element& e, double v);

void AddCoordinateRules(RuleTable& t);  // 42, 45, 46, 58
void AddCheckerRules(RuleTable& t);     // 50..54

}  // namespace velt
