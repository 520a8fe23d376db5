#include "geometry/rules.h"

namespace velt {

void AddCurveRules(RuleTable&) {}

}  // namespace velt
