#include "geometry/rules.h"

namespace velt {

void AddIntersectionRules(RuleTable&) {}

}  // namespace velt
