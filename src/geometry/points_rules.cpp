#include "geometry/rules.h"

namespace velt {

void AddPointRules(RuleTable&) {}

}  // namespace velt
