#include "geometry/rules.h"

namespace velt {

void AddStraightRules(RuleTable&) {}

}  // namespace velt
