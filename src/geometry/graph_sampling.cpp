#include "geometry/graph_sampling.h"

#include <algorithm>
#include <cmath>

#include "expr/function_value.h"
#include "expr/token_codes.h"
#include "geometry/number_parents.h"
#include "geometry/primitives.h"

namespace velt {
namespace {

struct Frame {
  double ox = 0, oy = 0, unitX = 40, unitY = 40;
};

bool FrameOf(const Element& axes, Frame& f) {
  const auto* ext = axes.as<AxesExt>();
  if (!ext) return false;
  f.unitX = ext->xUnit;
  f.unitY = ext->yUnit;
  const Element* origin = axes.parent[0] ? axes.parent[0] : ext->xAxis.get();
  if (origin) {
    f.ox = origin->value[0];
    f.oy = origin->value[1];
  }
  return std::isfinite(f.unitX) && std::isfinite(f.unitY) && std::isfinite(f.ox) &&
         std::isfinite(f.oy);
}

// Whether a continuous curve runs from (x0, y0) to (x1, y1), argument first: the function
// must have a value half way, and a steep step must pass through that value.
bool Continuous(expr::FunctionValue& f, double x0, double y0, double x1, double y1) {
  if (x1 == x0) return false;
  const auto middle = f((x0 + x1) / 2);
  if (!middle) return false;
  const double slope = std::fabs((y1 - y0) / (x1 - x0));
  if (!(slope > 4)) return true;
  const double lo = std::min(y0, y1), hi = std::max(y0, y1);
  return *middle > lo && *middle < hi;
}

}  // namespace

int32_t BoundedGraphSamples(int64_t n) {
  return static_cast<int32_t>(std::clamp<int64_t>(n, kMinGraphSamples, kMaxGraphSamples));
}

GraphRange BoundedGraphRange(double start, double end) {
  GraphRange r;
  if (std::isfinite(start)) r.start = std::clamp(start, -kMaxGraphRange, kMaxGraphRange);
  if (std::isfinite(end)) r.end = std::clamp(end, -kMaxGraphRange, kMaxGraphRange);
  return r;
}

double GraphArgument(const GraphRange& r, int32_t i, int32_t n) {
  if (n <= 1) return r.start;
  const double t = static_cast<double>(i) / (n - 1);
  return r.start + (r.end - r.start) * t;
}

expr::EvalContext EvalContextOf(const RuleContext& ctx) {
  expr::EvalContext e;
  if (ctx.doc) e.angleUnit = ctx.doc->angleUnit;
  e.abort = ctx.abort;
  return e;
}

void SampleGraph(Element& graph, const RuleContext& ctx) {
  auto* s = graph.as<SampleExt>();
  const Element* function = graph.parent[0];
  const Element* axes = graph.parent[1];
  Frame frame;
  if (!s || !function || !axes || function->kind != kFunction || !function->exists ||
      !axes->exists || !FrameOf(*axes, frame)) {
    graph.exists = 0;
    return;
  }
  graph.exists = 1;
  const int32_t n = BoundedGraphSamples(s->sampleCount);
  s->sampleCount = n;
  const GraphRange range = BoundedGraphRange(graph.value[0], graph.value[1]);
  for (auto* v : {&s->x1, &s->y1, &s->x2, &s->y2, &s->params}) v->resize(static_cast<size_t>(n));
  s->colours.resize(static_cast<size_t>(n));
  s->recorded = n;
  expr::FunctionValue f(*function, EvalContextOf(ctx));
  const int32_t type = f.type();
  for (int32_t i = 0; i < n; ++i) {
    const size_t k = static_cast<size_t>(i);
    const double u = GraphArgument(range, i, n);
    const auto v = f(u);
    double X = u, Y = 0;
    bool valid = v.has_value();
    if (valid) {
      switch (type) {
        case expr::kXofY: X = *v, Y = u; break;
        case expr::kRofW: {
          // A huge radius of either sign would be drawn through infinity.
          valid = std::fabs(*v) <= kMaxPolarRadius;
          const double w = ToRadians(u, ctx);
          X = *v * std::cos(w), Y = *v * std::sin(w);
          break;
        }
        case expr::kWofR: {
          valid = std::fabs(*v) <= kMaxPolarRadius;
          const double w = ToRadians(*v, ctx);
          X = u * std::cos(w), Y = u * std::sin(w);
          break;
        }
        default: X = u, Y = *v; break;
      }
    }
    s->params[k] = u;
    s->x2[k] = u;
    s->y2[k] = v.value_or(0.0);
    s->x1[k] = X * frame.unitX + frame.ox;
    s->y1[k] = valid ? Y * frame.unitY + frame.oy : kGraphInvalidY;
    s->colours[k] = valid ? 0 : kLocusGap;
  }
  // The continuity test of each step, after the samples it reads.
  for (int32_t i = 0; i + 1 < n; ++i) {
    const size_t k = static_cast<size_t>(i);
    if (s->colours[k] == kLocusGap) continue;
    if (s->colours[k + 1] == kLocusGap ||
        !Continuous(f, s->x2[k], s->y2[k], s->x2[k + 1], s->y2[k + 1]))
      s->colours[k] = kGraphBreak;
  }
  // A recompute stopped while sampling leaves no part of the curve: it shows nothing.
  if (ctx.abort && ctx.abort->load(std::memory_order_relaxed)) {
    std::fill(s->colours.begin(), s->colours.end(), kLocusGap);
    std::fill(s->y1.begin(), s->y1.end(), kGraphInvalidY);
  }
}

bool GraphStepJoined(const Element& graph, int32_t i) {
  const auto* s = graph.as<SampleExt>();
  if (!s || i < 0 || static_cast<size_t>(i) + 1 >= s->colours.size() ||
      static_cast<size_t>(i) + 1 >= s->x1.size())
    return false;
  return s->colours[static_cast<size_t>(i)] == 0 &&
         s->colours[static_cast<size_t>(i) + 1] != kLocusGap;
}

}  // namespace velt
