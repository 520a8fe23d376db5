#include "geometry/rules.h"

namespace velt {
namespace {

RuleTable BuildTable() {
  RuleTable t{};
  AddPointRules(t);
  AddStraightRules(t);
  AddCurveRules(t);
  AddIntersectionRules(t);
  AddTransformRules(t);
  AddMeasureRules(t);
  AddLocusRules(t);
  AddNumberRules(t);
  AddFigureRules(t);
  AddIterationRules(t);
  return t;
}

}  // namespace

const RuleTable& Rules() {
  static const RuleTable table = BuildTable();
  return table;
}

}  // namespace velt
