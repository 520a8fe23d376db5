#include "geometry/rules.h"

namespace velt {

void AddTransformRules(RuleTable&) {}

}  // namespace velt
