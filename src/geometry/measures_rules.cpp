#include "geometry/rules.h"

namespace velt {

void AddMeasureRules(RuleTable&) {}

}  // namespace velt
