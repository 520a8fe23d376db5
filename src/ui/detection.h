#pragma once
// Detection: which elements lie under the pointer, filtered by the tool's mask and ranked.
#include <functional>
#include <optional>
#include <vector>

#include "geometry/primitives.h"
#include "model/document.h"
#include "ui/tool_table.h"

namespace velt {

inline constexpr int kMaxHits = 100;

struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;  // plane units, top > bottom
  bool Contains(Pt p) const { return p.x >= left && p.x <= right && p.y <= top && p.y >= bottom; }
};
// The drawn box of a text-like element (numbers, labels, texts, tables, buttons, bitmaps);
// supplied by the drawing side, nullopt when the element shows no box.
using BoxOf = std::function<std::optional<Box>(const Element&)>;

struct Hit {
  Element* element = nullptr;
  int side = -1;  // the polygon side or axis line that was hit
};

struct DetectionQuery {
  DetectionMask mask{};
  Tool tool = Tool::Sel;
  int pickCounter = 0;
  double tolerance = 8;  // pixels
  double scale = 1;      // pixels per plane unit
  bool showHidden = false;
  bool onlyShown = false;
  const std::vector<Element*>* picks = nullptr;  // the gesture's picks
  BoxOf boxOf;
  Pt pointer;
  const Document* doc = nullptr;  // swept loci recompute their instances in it
};

struct Detection {
  std::vector<Hit> hits;
  // A crossing of the first two hits near the pointer (kind 57), when it won.
  ElementPtr candidate;
  bool empty() const { return hits.empty() && !candidate; }
  Element* first() const {
    return candidate ? candidate.get() : hits.empty() ? nullptr : hits.front().element;
  }
};

// What one element's test found: the distance in plane units and what enters the list.
struct TypeHit {
  double distance = 0;
  Element* enters = nullptr;
  int side = -1;
  bool inside = false;  // box tests: the pointer is inside
};

// The test of one element by its type; nullopt when the pointer is not near it.
std::optional<TypeHit> HitByType(Element& e, const DetectionQuery& q);
Detection Detect(Document& doc, const DetectionQuery& q);

// Whether an element can be dragged by itself (rather than through its free ancestors).
bool CanDragDirectly(const Element& e);
// Label-like types: their boxes win over curves.
bool IsLabelLikeType(int32_t type);

}  // namespace velt
