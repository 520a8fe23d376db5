#pragma once
// The table of recompute rules, one per construction kind.
#include <array>
#include <atomic>
#include <cstdint>

#include "model/document.h"

namespace velt {

// What a rule may read besides its element: the document (view rectangle, units), and the
// flag that cancels a recompute (every evaluation then fails at once).
struct RuleContext {
  const Document* doc = nullptr;
  const std::atomic<bool>* abort = nullptr;
  // The element a drag in progress moves (null outside drags and for a dragged selection).
  const Element* dragged = nullptr;
  // Pixels per world unit of the view the pass computes for: 1 on the main view, less on
  // the move-screen thumbnail, the printer's own on paper. Segment, ray and arc membership
  // tolerances grow with it.
  double viewScale = 1;
};

using RuleFn = void (*)(Element& e, const RuleContext& ctx);

struct KindRule {
  RuleFn fn = nullptr;
  // How many leading generic parent slots the kind needs; a null one there means the
  // element cannot be computed (a reference that named nothing).
  int8_t requiredParents = 0;
  // The rule tests its parents itself (a locus tests its driver's carrier).
  bool ownParentTest = false;
};

using RuleTable = std::array<KindRule, kKindCount>;

// The table, filled once from every family.
const RuleTable& Rules();

// Each family adds the rules of its kinds.
void AddPointRules(RuleTable& t);         // 0, 1, 4, 27, 49, 59, 60, 62, 72
void AddStraightRules(RuleTable& t);      // 5..13, 39, 69
void AddCurveRules(RuleTable& t);         // 14, 16..20, 55
void AddIntersectionRules(RuleTable& t);  // 2
void AddTransformRules(RuleTable& t);     // 3, 22..26
void AddMeasureRules(RuleTable& t);       // 28..36, 42, 45, 46, 50..54, 56, 58, 68
void AddLocusRules(RuleTable& t);         // 21
void AddNumberRules(RuleTable& t);        // 37, 64, 65
void AddFigureRules(RuleTable& t);        // 48, 61, 67 and other display kinds
void AddIterationRules(RuleTable& t);     // 71 (anim/iteration_rule.cpp)

}  // namespace velt
