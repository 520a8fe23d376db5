#pragma once
// Sampling the graph of a user function (kind 65) against a pair of axes.
//
// The graph's parent1 is the function, parent2 the axes; value1 and value2 hold the
// variable's start and end. Each sample keeps its world position (x1, y1), its argument and
// value (x2, y2, as the continuity test reads them) and a mark in `colours`: 0 for a sample
// joined to the next one, kGraphBreak for a sample the curve leaves there, kLocusGap for a
// sample where the function has no value.
#include <cstdint>

#include "expr/eval_context.h"
#include "geometry/locus_sampling.h"
#include "geometry/rules.h"

namespace velt {

inline constexpr int32_t kGraphBreak = -1112;
// The y position of a sample without value: far beyond what drawing accepts.
inline constexpr double kGraphInvalidY = 1e12;
// A polar radius beyond this magnitude draws nothing.
inline constexpr double kMaxPolarRadius = 999999;
// Bounds of a graph's sample count and of its variable range, wherever they come from.
inline constexpr int32_t kMinGraphSamples = 1;
inline constexpr int32_t kMaxGraphSamples = 100000;
inline constexpr double kMaxGraphRange = 1e9;

int32_t BoundedGraphSamples(int64_t n);
// The variable's start and end as sampling uses them: finite and within kMaxGraphRange.
struct GraphRange {
  double start = -10, end = 10;
};
GraphRange BoundedGraphRange(double start, double end);

// The argument of sample i of n: a one-sample graph samples its start.
double GraphArgument(const GraphRange& r, int32_t i, int32_t n);

// The evaluation context a rule's documents give (angle unit, cancel flag).
expr::EvalContext EvalContextOf(const RuleContext& ctx);

// Recomputes every sample of the graph (its own sample count, bounded). The graph exists
// when its function and axes exist.
void SampleGraph(Element& graph, const RuleContext& ctx);

// Whether the curve runs on from sample i to sample i + 1.
bool GraphStepJoined(const Element& graph, int32_t i);

}  // namespace velt
