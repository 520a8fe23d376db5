// Previews of the circle, arc and angle-mark tools (their picks are rows of the tool table).
#include "ui/tool_gestures.h"

namespace velt {
namespace {

// The picks so far and the pointer as the next point: an element of `kind` once the points
// are all there, or the path through them until then.
void ThroughPoints(int32_t kind, const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  if (picks.empty()) return;
  Element* pointer = out.PointAt(k);
  if (picks.size() == 1) {
    ElementTemplate t;
    t.kind = kSegment;
    t.parent = {picks[0], pointer, nullptr};
    out.drawn.push_back(std::move(t));
    return;
  }
  ElementTemplate t;
  t.kind = kind;
  t.parent = {picks[0], picks[1], pointer};
  out.drawn.push_back(std::move(t));
}

}  // namespace

void PreviewCircle(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  if (picks.empty()) return;
  ElementTemplate t;
  t.kind = kCircleCentrePoint;
  t.parent = {picks.front(), out.PointAt(k), nullptr};
  out.drawn.push_back(std::move(t));
}

void PreviewArc(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  ThroughPoints(kArc, picks, k, out);
}

void PreviewAngleMark(const std::vector<Element*>& picks, Pt k, PreviewSet& out) {
  ThroughPoints(kAngleMark, picks, k, out);
  if (picks.size() == 2) {
    // The two arms with the mark between them.
    ElementTemplate arm;
    arm.kind = kSegment;
    arm.parent = {picks[1], picks[0], nullptr};
    out.drawn.push_back(arm);
    arm.parent = {picks[1], out.helpers.back().get(), nullptr};
    out.drawn.push_back(arm);
  }
}

}  // namespace velt
