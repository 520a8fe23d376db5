#include "geometry/locus_sampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_set>
#include <vector>

#include "geometry/element_points.h"
#include "geometry/locus_grid.h"
#include "geometry/position_on_element.h"
#include "geometry/recompute.h"
#include "geometry/tolerances.h"
#include "view/parametric_colour.h"

namespace velt {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Spans of the sweep on unbounded carriers, in world units.
constexpr double kLineSpan = 3000;
constexpr double kRaySpan = 1500;
// The conic's parameter runs over its 120 boundary samples.
constexpr double kConicSpan = 120;
// Consecutive samples this far apart are not joined (a jump).
constexpr double kJump = 200;

Element* Traced(const Element& locus) { return locus.parent[0]; }
Element* Driver(const Element& locus) { return locus.parent[1]; }

// The elements a sweep recomputes at each sample: the driver and everything built on it,
// in list order, up to the locus (to the end when the traced element takes its colour
// from another element). Loci, names, iterations and the intersections on this locus are
// left out.
struct Chain {
  std::vector<Element*> elements;
};

bool LeftOutOfSweep(const Element& e, const Element& locus) {
  if (e.kind == kLocus || e.kind == kName || e.kind == kIteration) return true;
  return e.kind == kIntersection && (e.parent[0] == &locus || e.parent[1] == &locus);
}

// Marks the driver's dependents in the set (the sweep's own marks) and lists the chain.
Chain BuildChain(const Document& doc, const Element& locus, Element& driver,
                 std::unordered_set<const Element*>* markedOut = nullptr) {
  Chain chain;
  const ElementList& list = doc.elements();
  std::unordered_set<const Element*> marked{&driver};
  ForEachSubElement(driver, [&](const Element& s) { marked.insert(&s); });
  size_t from = list.size(), end = list.size();
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].get() == &driver) from = i;
    if (list[i].get() == &locus) end = i;
  }
  const Element* traced = Traced(locus);
  if (traced && traced->colourSource) end = list.size();
  if (from >= list.size()) return chain;
  chain.elements.push_back(&driver);
  for (size_t i = from + 1; i < end; ++i) {
    Element& x = *list[i];
    bool hit = x.colourSource && marked.count(x.colourSource);
    ForEachStructuralParent(x, [&](const Element* p) {
      if (p && marked.count(p)) hit = true;
    });
    if (!hit) continue;
    marked.insert(&x);
    ForEachSubElement(x, [&](const Element& s) { marked.insert(&s); });
    if (!LeftOutOfSweep(x, locus)) chain.elements.push_back(&x);
  }
  if (markedOut) *markedOut = std::move(marked);
  return chain;
}

void Recompute(const Chain& chain, const RuleContext& ctx) {
  for (Element* e : chain.elements) RecomputeElement(*e, ctx);
}

double& DriverValue(Element& driver) {
  return driver.kind == kParameter ? driver.value[0] : driver.value[3];
}

// The parameter a sample records: a parameter driver's value normalised to 0..1.
double RecordedParameter(const Element& driver, double value) {
  if (const auto* p = driver.as<ParameterExt>()) {
    const double span = p->maximum - p->minimum;
    return span == 0 ? 0 : (value - p->minimum) / span;
  }
  return value;
}

void Reserve(SampleExt& s, int32_t n) {
  const size_t size = static_cast<size_t>(n);
  if (s.x1.size() == size && s.params.size() == size && s.colours.size() == size) return;
  for (auto* v : {&s.x1, &s.y1, &s.x2, &s.y2, &s.params}) v->assign(size, 0.0);
  s.colours.assign(size, 0);
}

// The positions a sweep gives the driver, one per sample, and the driver's values to put
// back afterwards. A grid driver visits the nodes in the view; any other runs its range.
class DriverSweep {
 public:
  DriverSweep(const Document& doc, const Element& locus, Element& driver, int32_t n)
      : locus_(locus), driver_(driver), saved_(driver.value), n_(n) {
    if (DrivenByGrid(locus)) {
      nodes_ = GridSweepNodes(doc, driver);
      n_ = static_cast<int32_t>(nodes_.size());
      grid_ = true;
    }
  }
  int32_t count() const { return n_; }
  bool grid() const { return grid_; }
  // Puts the driver at sample i; returns the parameter recorded for it.
  std::optional<double> Set(int32_t i) {
    if (grid_) {
      driver_.value[2] = nodes_[static_cast<size_t>(i)].u;
      driver_.value[3] = nodes_[static_cast<size_t>(i)].v;
      return static_cast<double>(i);
    }
    const auto value = SweepParameter(locus_, i, n_);
    if (!value) return std::nullopt;
    DriverValue(driver_) = *value;
    return RecordedParameter(driver_, *value);
  }
  void Restore() { driver_.value = saved_; }
  // Puts a grid driver at the node a recorded sample parameter names.
  bool SetNode(double recorded) {
    const double i = std::round(recorded);
    if (!grid_ || !(i >= 0) || i >= static_cast<double>(n_)) return false;
    Set(static_cast<int32_t>(i));
    return true;
  }

 private:
  const Element& locus_;
  Element& driver_;
  std::array<double, 4> saved_;
  int32_t n_;
  bool grid_ = false;
  std::vector<GridSweepNode> nodes_;
};

// Runs the sweep of n samples and records them into out; returns the recorded count.
// A grid driver sets the count to its nodes in the view. A sweep the abort flag stops
// records nothing.
int32_t Sweep(const Document& doc, const Element& locus, int32_t n, SampleExt& out,
              double viewScale, const std::atomic<bool>* abort = nullptr) {
  Element* driver = Driver(locus);
  const Element* traced = Traced(locus);
  if (!driver || !traced || !LocusDriverUsable(locus)) {
    Reserve(out, n);
    return 0;
  }
  DriverSweep sweep(doc, locus, *driver, n);
  if (sweep.grid()) {
    n = sweep.count();
    out.sampleCount = BoundedSampleCount(n);
  }
  // The arrays always hold sampleCount entries, even when no node is in view.
  Reserve(out, std::max(n, BoundedSampleCount(n)));
  RuleContext ctx{&doc, abort};
  ctx.viewScale = viewScale;
  const Chain chain = BuildChain(doc, locus, *driver);
  int32_t k = 0;
  for (int32_t i = 0; i < n; ++i) {
    if (abort && abort->load(std::memory_order_relaxed)) break;
    const auto recorded = sweep.Set(i);
    if (!recorded) break;
    Recompute(chain, ctx);
    if (!traced->exists) {
      if (traced->type() != kTypePoint) continue;
      out.params[k] = 0;
      out.x1[k] = out.y1[k] = out.x2[k] = out.y2[k] = 0;
      out.colours[k] = kLocusGap;
      ++k;
      continue;
    }
    out.params[k] = *recorded;
    out.x1[k] = traced->value[0];
    out.y1[k] = traced->value[1];
    out.x2[k] = traced->value[2];
    out.y2[k] = traced->value[3];
    // A traced element whose colour follows a number records that colour at each sample
    // (its source may stand after it in the list, beyond what the chain has recomputed).
    const auto own = traced->colourMode > 0 ? ParametricColourOf(*traced) : std::nullopt;
    out.colours[k] = own.value_or(traced->colour);
    ++k;
  }
  sweep.Restore();
  Recompute(chain, ctx);
  if (abort && abort->load(std::memory_order_relaxed)) return 0;
  return k;
}

}  // namespace

int32_t BoundedSampleCount(int64_t n) {
  return static_cast<int32_t>(std::clamp<int64_t>(n, kMinLocusSamples, kMaxLocusSamples));
}

int32_t InitialSampleCount(const Element& traced, int32_t optionCount) {
  if (traced.type() == kTypeLocus || traced.type() == kTypeConic) return 30;
  if (traced.type() != kTypePoint) return 50;
  return BoundedSampleCount(optionCount);
}

bool IsSweptLocus(const Element& locus) {
  const Element* t = Traced(locus);
  if (!t) return false;
  const int32_t type = t->type();
  return type == kTypeArc || type == kTypePolygon || type == kTypeConic || type == kTypeLocus;
}

bool LocusDriverUsable(const Element& locus) {
  const Element* d = Driver(locus);
  if (!d) return false;
  if (d->kind == kParameter) return d->as<ParameterExt>() != nullptr;
  if (d->kind == kPointOnGrid) return GridDriverUsable(*d);
  if (d->kind != kPointOnElement) return false;
  const Element* carrier = d->parent[0];
  return carrier && carrier->exists && CanCarryPoints(carrier->type());
}

bool LocusIsClosed(const Element& locus) {
  const Element* d = Driver(locus);
  if (!d || d->kind != kPointOnElement || !d->parent[0]) return false;
  const Element& carrier = *d->parent[0];
  switch (carrier.type()) {
    case kTypePolygon:
    case kTypeCircle:
    case kTypeConic: return true;
    case kTypeLocus: return carrier.kind == kLocus && carrier.attr1 == 1;
    default: return false;
  }
}

std::optional<double> SweepParameter(const Element& locus, int32_t i, int32_t n) {
  const Element* d = Driver(locus);
  if (!d || n < 1) return std::nullopt;
  // One sample stands at the start of the range.
  const double fraction = n == 1 ? 0.0 : static_cast<double>(i) / (n - 1);
  if (const auto* p = d->as<ParameterExt>(); p && d->kind == kParameter)
    return p->minimum + (p->maximum - p->minimum) * fraction;
  if (d->kind != kPointOnElement || !d->parent[0]) return std::nullopt;
  const Element& carrier = *d->parent[0];
  const double step = static_cast<double>(i) / n;
  auto span = [&](double world) {
    if (!ParameterIsFraction(carrier.kind)) return world;
    const double len = Distance(PointA(carrier), PointB(carrier));
    return len > kDivisionGuard ? world / len : world;
  };
  switch (carrier.type()) {
    case kTypeLine: {
      const double h = span(kLineSpan);
      return step * h - h / 2;
    }
    case kTypeRay: return step * span(kRaySpan);
    case kTypeSegment:
    case kTypeArc:
    case kTypeLocus:
    case kTypeVector: return fraction;
    case kTypeCircle: return step * kTwoPi;
    case kTypeConic: return step * kConicSpan;
    case kTypePolygon: {
      const auto* poly = carrier.as<PolygonExt>();
      return poly ? step * static_cast<double>(poly->sides.size()) : 0.0;
    }
    default: return std::nullopt;
  }
}

void SampleLocus(const Document& doc, Element& locus, double viewScale,
                 const std::atomic<bool>* abort) {
  auto* s = locus.as<SampleExt>();
  if (!s) return;
  locus.attr1 = LocusIsClosed(locus) ? 1 : 0;
  s->sampleCount = BoundedSampleCount(s->sampleCount);
  s->recorded = Sweep(doc, locus, s->sampleCount, *s, viewScale, abort);
}

void ResampleLocus(const Document& doc, Element& locus, int32_t n) {
  auto* s = locus.as<SampleExt>();
  if (!s) return;
  s->sampleCount = BoundedSampleCount(n);
  SampleLocus(doc, locus);
}

SampleExt SampleLocusCopy(const Document& doc, const Element& locus, int32_t n, double viewScale) {
  SampleExt out;
  out.sampleCount = BoundedSampleCount(n);
  out.recorded = Sweep(doc, locus, out.sampleCount, out, viewScale);
  return out;
}

bool SweepLocusInstances(const Document& doc, const Element& locus,
                         const std::function<void(const Element& traced)>& f, double viewScale) {
  Element* driver = Driver(locus);
  Element* traced = Traced(locus);
  const auto* s = locus.as<SampleExt>();
  if (!driver || !traced || !s || !LocusDriverUsable(locus)) return false;
  RuleContext ctx{&doc};
  ctx.viewScale = viewScale;
  const Chain chain = BuildChain(doc, locus, *driver);
  // A traced locus is resampled at each instance, and once more at the end.
  const bool tracedLocus =
      traced->kind == kLocus && LocusDriverUsable(*traced) && !IsSweptLocus(*traced);
  DriverSweep sweep(doc, locus, *driver, BoundedSampleCount(s->sampleCount));
  for (int32_t i = 0; i < sweep.count(); ++i) {
    if (!sweep.Set(i)) break;
    Recompute(chain, ctx);
    if (tracedLocus) SampleLocus(doc, *traced, viewScale);
    if (traced->exists) f(*traced);
  }
  sweep.Restore();
  Recompute(chain, ctx);
  if (tracedLocus) SampleLocus(doc, *traced, viewScale);
  return true;
}

const Element* LocusTracing(const Document& doc, const Element& e) {
  for (const ElementPtr& x : doc.elements())
    if (x->kind == kLocus && x->parent[0] == &e && x->exists && LocusDriverUsable(*x))
      return x.get();
  return nullptr;
}

bool DragDriverAlongLocus(const Document& doc, const Element& locus, Pt pointer) {
  Element* driver = Driver(locus);
  Element* traced = Traced(locus);
  const auto* s = locus.as<SampleExt>();
  if (!driver || !traced || !s || !LocusDriverUsable(locus)) return false;
  const int32_t m = std::min<int32_t>(s->recorded, static_cast<int32_t>(s->colours.size()));
  // The nearest recorded sample, the first one aside.
  int32_t nearest = -1;
  double best = 9999;
  for (int32_t i = DrivenByGrid(locus) ? 0 : 1; i < m; ++i) {
    if (s->colours[i] == kLocusGap) continue;
    const double d = Distance(Pt{s->x1[i], s->y1[i]}, pointer);
    if (d < best) best = d, nearest = i;
  }
  if (nearest < 0) return false;
  if (DrivenByGrid(locus)) {
    // A grid driver jumps to the node of the nearest sample.
    DriverSweep sweep(doc, locus, *driver, 0);
    const bool moved = sweep.SetNode(s->params[nearest]);
    Recompute(BuildChain(doc, locus, *driver), RuleContext{&doc});
    return moved;
  }
  const Element* carrier = driver->kind == kPointOnElement ? driver->parent[0] : nullptr;
  const double lo = s->params[nearest - 1];
  double hi = s->params[nearest];
  if (nearest + 1 < m) {
    hi = s->params[nearest + 1];
  } else if (carrier && carrier->type() == kTypeCircle) {
    hi = kTwoPi;
  } else if (carrier && carrier->type() == kTypeConic) {
    hi = kConicSpan;
  }
  if (!(lo < hi)) return false;
  const auto* parameter = driver->kind == kParameter ? driver->as<ParameterExt>() : nullptr;
  auto driverValue = [&](double t) {
    return parameter ? parameter->minimum + (parameter->maximum - parameter->minimum) * t : t;
  };
  const RuleContext ctx{&doc};
  const Chain chain = BuildChain(doc, locus, *driver);
  std::optional<double> found;
  best = 9999;
  for (int step = 0; step <= 100; ++step) {
    const double t = lo + (hi - lo) * step / 100;
    DriverValue(*driver) = driverValue(t);
    Recompute(chain, ctx);
    if (!traced->exists) continue;
    const double d = Distance(Pt{traced->value[0], traced->value[1]}, pointer);
    if (d < best) best = d, found = t;
  }
  if (found) DriverValue(*driver) = driverValue(*found);
  Recompute(chain, ctx);
  return found.has_value();
}

bool DriverMovesTraced(const Document& doc, const Element& traced, const Element& driver) {
  if (&traced == &driver) return true;
  std::unordered_set<const Element*> marked;
  Element locusless;  // no locus in the list: the walk runs to the end
  locusless.parent = {const_cast<Element*>(&traced), const_cast<Element*>(&driver), nullptr};
  BuildChain(doc, locusless, const_cast<Element&>(driver), &marked);
  return marked.count(&traced) > 0;
}

// ---- the locus as a carrier ----------------------------------------------------

namespace {

struct Polyline {
  const SampleExt& s;
  int32_t m;
  bool closed;
  bool Gap(int32_t i) const { return s.colours[i] == kLocusGap; }
  Pt At(int32_t i) const { return {s.x1[i], s.y1[i]}; }
  // Pieces (i, i+1), and (m-1, 0) when closed.
  int32_t Pieces() const { return m < 2 ? 0 : (closed ? m : m - 1); }
  bool Joined(int32_t i) const {
    const int32_t j = (i + 1) % m;
    return !Gap(i) && !Gap(j) && Distance(At(i), At(j)) < kJump;
  }
};

std::optional<Polyline> PolylineOf(const Element& carrier) {
  const auto* s = carrier.as<SampleExt>();
  if (!s) return std::nullopt;
  const int32_t m = std::min<int32_t>(s->recorded, static_cast<int32_t>(s->colours.size()));
  if (m <= 0 || s->x1.size() < static_cast<size_t>(m)) return std::nullopt;
  return Polyline{*s, m, carrier.kind == kLocus && carrier.attr1 == 1};
}

}  // namespace

std::optional<Pt> PositionOnLocus(const Element& carrier, double& t, const RuleContext&) {
  const auto line = PolylineOf(carrier);
  if (!line || !std::isfinite(t)) return std::nullopt;
  if (line->m == 1) return line->Gap(0) ? std::nullopt : std::optional<Pt>(line->At(0));
  t = std::clamp(t, 0.0, 1.0);
  const double f = t * line->Pieces();
  const int32_t i = std::min<int32_t>(static_cast<int32_t>(std::floor(f)), line->Pieces() - 1);
  const double frac = f - i;
  const int32_t j = (i + 1) % line->m;
  if (frac == 0) return line->Gap(i) ? std::nullopt : std::optional<Pt>(line->At(i));
  if (frac == 1) return line->Gap(j) ? std::nullopt : std::optional<Pt>(line->At(j));
  if (line->Gap(i) || line->Gap(j)) return std::nullopt;
  return line->At(i) + (line->At(j) - line->At(i)) * frac;
}

std::optional<CarrierHit> ParameterOnLocus(const Element& carrier, const PositionProbe& probe,
                                           const RuleContext&) {
  const auto line = PolylineOf(carrier);
  if (!line) return std::nullopt;
  const Pt k = probe.cursor;
  const int32_t pieces = line->Pieces();
  std::optional<CarrierHit> best;
  auto consider = [&](double t, double d) {
    if (!best || d < best->distance) best = CarrierHit{t, d};
  };
  for (int32_t i = 0; i < pieces; ++i) {
    if (!line->Joined(i)) continue;
    const Pt a = line->At(i), b = line->At((i + 1) % line->m);
    const Pt ab = b - a;
    const double len2 = ab.x * ab.x + ab.y * ab.y;
    double s = len2 > 0 ? ((k.x - a.x) * ab.x + (k.y - a.y) * ab.y) / len2 : 0;
    s = std::clamp(s, 0.0, 1.0);
    consider((i + s) / pieces, Distance(k, a + ab * s));
  }
  if (!best) {
    // No joined piece: the nearest lone sample.
    for (int32_t i = 0; i < line->m; ++i)
      if (!line->Gap(i))
        consider(pieces > 0 ? static_cast<double>(i) / pieces : 0.0, Distance(k, line->At(i)));
  }
  return best;
}

}  // namespace velt
