#include "geometry/rules.h"

namespace velt {

void AddLocusRules(RuleTable&) {}

}  // namespace velt
