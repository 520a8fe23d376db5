#include "ui/step_keys.h"

#include <algorithm>
#include <cmath>

#include "anim/iteration.h"
#include "geometry/locus_sampling.h"

namespace velt {
namespace {

enum class Stepped { None, Samples, Iteration, Parameter };

Stepped WhatSteps(const Element& e) {
  if (!e.selected) return Stepped::None;
  if (e.kind == kLocus || e.kind == kFunctionGraph) {
    if (e.kind == kLocus && e.parent[1] && e.parent[1]->kind == kPointOnGrid) return Stepped::None;
    return e.as<SampleExt>() ? Stepped::Samples : Stepped::None;
  }
  if (e.kind == kIteration) {
    const auto* it = e.as<IterationExt>();
    return it && !it->settings[kIterFromNumber] ? Stepped::Iteration : Stepped::None;
  }
  if (e.kind == kParameter && e.as<ParameterExt>()) return Stepped::Parameter;
  return Stepped::None;
}

int32_t LowestSampleCount(const Element& e) {
  const Element* traced = e.parent[0];
  return traced && traced->type() == kTypeLocus ? 5 : 10;
}

// One step of a count towards a bound, never across it the wrong way: a count already below
// the lowest bound is not raised by "-".
int32_t StepCount(int32_t n, int direction, int32_t step, int32_t lowest, int32_t highest) {
  if (direction > 0) return n >= highest ? n : std::min(n + step, highest);
  return n <= lowest ? n : std::max(n - step, lowest);
}

// One element's step; with apply false only tells whether there is one.
bool StepOne(Element& e, int direction, bool apply) {
  switch (WhatSteps(e)) {
    case Stepped::None: return false;
    case Stepped::Samples: {
      auto* s = e.as<SampleExt>();
      const int32_t n = StepCount(s->sampleCount, direction, kLocusKeyStep, LowestSampleCount(e),
                                  kMaxLocusSamples);
      if (n == s->sampleCount) return false;
      if (apply) s->sampleCount = n;
      return true;
    }
    case Stepped::Iteration: {
      const int32_t before = IterationCount(e);
      const int32_t n = StepCount(before, direction, 1, 1, std::max(IterationCountLimit(e), 1));
      if (n == before) return false;
      if (apply) SetIterationCount(e, n);
      return true;
    }
    case Stepped::Parameter: {
      const double next = e.value[0] + direction * e.as<ParameterExt>()->increment;
      if (!std::isfinite(next) || next == e.value[0]) return false;
      if (apply) e.value[0] = next;
      return true;
    }
  }
  return false;
}

}  // namespace

bool StepKeysApply(const Document& doc, int direction) {
  const int d = direction > 0 ? 1 : -1;
  return std::any_of(doc.elements().begin(), doc.elements().end(),
                     [d](const ElementPtr& e) { return StepOne(*e, d, false); });
}

int StepSelection(Document& doc, int direction) {
  int changed = 0;
  for (const ElementPtr& e : doc.elements()) changed += StepOne(*e, direction > 0 ? 1 : -1, true);
  if (changed) doc.modified = 1;
  return changed;
}

}  // namespace velt
