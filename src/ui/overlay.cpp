#include "ui/overlay.h"

#include <algorithm>
#include <cstdio>

namespace velt {
namespace {

Look Plain(const Element& e, int32_t colour) { return Look{colour, e.style, -1, false}; }

// The wide halo of a highlighted element; a point's halo is the large round shape.
Look Halo(const Element& e, int32_t colour) {
  Look l{colour, HaloStyleOf(e.style), -1, false};
  if (e.type() == kTypePoint) l.style = 3;
  return l;
}

const char* RoleName(OverlayRole r) {
  switch (r) {
    case OverlayRole::Pick: return "pick";
    case OverlayRole::Preview: return "preview";
    case OverlayRole::Halo: return "halo";
    case OverlayRole::Highlight: return "highlight";
  }
  return "";
}

}  // namespace

std::optional<WorldRect> RectangleOf(const SelectionRect& r) {
  if (!r.active) return std::nullopt;
  return WorldRect{std::min(r.start.x, r.corner.x), std::max(r.start.y, r.corner.y),
                   std::max(r.start.x, r.corner.x), std::min(r.start.y, r.corner.y)};
}

Overlay BuildOverlay(const Interaction& ix, const Document& doc, bool picksShown) {
  Overlay o;
  const int32_t selection = doc.selectionColour;
  if (picksShown)
    for (const Element* e : ix.picks())
      o.marks.push_back({OverlayRole::Pick, e, Plain(*e, selection)});

  Interaction::PreviewElements preview = ix.Preview();
  for (ElementPtr& e : preview.drawn) {
    o.marks.push_back({OverlayRole::Preview, e.get(), Plain(*e, e->colour)});
    o.owned.push_back(std::move(e));
  }
  for (ElementPtr& e : preview.helpers) o.owned.push_back(std::move(e));

  const Detection& det = ix.detection();
  if (det.candidate) {
    // The crossing offered as a new point: its halo alone.
    ElementPtr p = NewElementOfKind(kFreePoint);
    p->value = det.candidate->value;
    p->style = 3;
    o.marks.push_back({OverlayRole::Highlight, p.get(), Halo(*p, selection)});
    o.owned.push_back(std::move(p));
  }
  for (const Hit& h : det.hits) {
    o.marks.push_back({OverlayRole::Halo, h.element, Halo(*h.element, selection)});
    o.marks.push_back({OverlayRole::Highlight, h.element, Plain(*h.element, h.element->colour)});
  }
  o.message = ix.cursorMessage();
  o.rectangle = RectangleOf(ix.selectionRect());
  return o;
}

std::vector<std::string> DescribeOverlay(const Overlay& overlay) {
  std::vector<std::string> lines;
  for (const OverlayMark& m : overlay.marks) {
    if (m.role == OverlayRole::Halo) continue;
    const auto& v = m.element->value;  // 0.0 + -0.0 prints as 0
    char line[200];
    std::snprintf(line, sizeof line, "%s %d %.10g %.10g %.10g %.10g", RoleName(m.role),
                  m.element->kind, 0.0 + v[0], 0.0 + v[1], 0.0 + v[2], 0.0 + v[3]);
    lines.emplace_back(line);
  }
  if (overlay.message.visible) lines.push_back("message " + overlay.message.text);
  if (const auto& r = overlay.rectangle) {
    char line[200];
    std::snprintf(line, sizeof line, "rectangle %.10g %.10g %.10g %.10g", r->left, r->top, r->right,
                  r->bottom);
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace velt
