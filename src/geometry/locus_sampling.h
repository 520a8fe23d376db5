#pragma once
// Sampling a locus (kind 21): the positions its traced element (parent1) takes while the
// driver (parent2: a point on an element, a point on a grid, or a parameter) runs over its
// whole range.
//
// A sweep sets the driver, recomputes the elements built on it up to the locus, reads the
// traced element and finally puts the driver back where it was, so that the figure ends as
// it began. The dependency marks of the sweep are the sweep's own: the marks of a drag in
// progress are left alone.
#include <cstdint>
#include <functional>
#include <optional>

#include "geometry/primitives.h"
#include "geometry/rules.h"

namespace velt {

// The colour recorded for a sample where the traced point did not exist.
inline constexpr int32_t kLocusGap = -1111;
// Bounds of a locus's sample count, wherever the count comes from (file, dialog, view).
inline constexpr int32_t kMinLocusSamples = 1;
inline constexpr int32_t kMaxLocusSamples = 100000;
// Sample count used when a locus is intersected with another element.
inline constexpr int32_t kIntersectionSamples = 500;

int32_t BoundedSampleCount(int64_t n);

// The sample count of a new locus: 30 for a traced locus or conic, 50 for any other element
// that is not a point, else the option's count.
int32_t InitialSampleCount(const Element& traced, int32_t optionCount);

// A traced arc, polygon, conic or locus is not sampled: drawing and detection sweep it.
bool IsSweptLocus(const Element& locus);

// Whether the locus's driver can run: a parameter, or a point on an existing carrier.
bool LocusDriverUsable(const Element& locus);

// Whether the closed flag (attr1) belongs to this locus: its driver's carrier is a polygon,
// a circle, a conic or a closed locus.
bool LocusIsClosed(const Element& locus);

// The driver's parameter at sample i of n (for a parameter driver: its value).
std::optional<double> SweepParameter(const Element& locus, int32_t i, int32_t n);

// The sweeps below recompute the chain for a view of viewScale pixels per world unit (1 on
// the main view; see RuleContext).

// Recomputes all samples of the locus (its own sample count, bounded). A sampling the abort
// flag stops records nothing: the locus shows nothing rather than part of its curve.
void SampleLocus(const Document& doc, Element& locus, double viewScale = 1,
                 const std::atomic<bool>* abort = nullptr);
// Sets the sample count to n (bounded), reallocates and samples again.
void ResampleLocus(const Document& doc, Element& locus, int32_t n);
// The samples a sweep of n gives, without touching the locus's own arrays.
SampleExt SampleLocusCopy(const Document& doc, const Element& locus, int32_t n,
                          double viewScale = 1);

// A swept locus: calls f with the traced element at each sample of the sweep (after its
// dependents are recomputed), then restores the driver. Returns false when the driver
// cannot run.
bool SweepLocusInstances(const Document& doc, const Element& locus,
                         const std::function<void(const Element& traced)>& f, double viewScale = 1);

// The first locus of the list that traces e with a driver that can run (a point that is
// dragged through its driver); null when none.
const Element* LocusTracing(const Document& doc, const Element& e);
// Moves the locus's driver to the parameter where the traced point comes nearest to the
// pointer, searched between the recorded samples around the nearest one; false when nothing
// was found. The driver's dependents are recomputed.
bool DragDriverAlongLocus(const Document& doc, const Element& locus, Pt pointer);

// Whether moving the driver changes the traced element (the traced element is built on it).
bool DriverMovesTraced(const Document& doc, const Element& traced, const Element& driver);

// The locus as the carrier of a point: t runs 0..1 over the recorded samples.
std::optional<Pt> PositionOnLocus(const Element& carrier, double& t, const RuleContext& ctx);
struct CarrierHit;
struct PositionProbe;
std::optional<CarrierHit> ParameterOnLocus(const Element& carrier, const PositionProbe& probe,
                                           const RuleContext& ctx);

}  // namespace velt
