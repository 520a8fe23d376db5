// Commands that act on the gesture or the selection: undo, redo, delete, select, the edit
// tools, and the preview of the construction being built.
#include <cmath>
#include <numbers>

#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "model/undo.h"
#include "ui/interaction.h"

namespace velt {
namespace {

bool Fillable(int32_t type) {
  return type == kTypePolygon || type == kTypeCircle || type == kTypeAngle ||
         type == kTypeIteration;
}

bool LineStyled(int32_t type) { return ToolMask(74)[type] != 0; }

}  // namespace

void Interaction::UndoCommand() {
  SelectToolImpl(0, false);  // an open gesture's own step is the one undone
  if (!velt::Undo(doc(), [this](Document& d) { Reresolve(d); })) return;
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::RedoCommand() {
  SelectToolImpl(0, false);
  if (!velt::Redo(doc(), [this](Document& d) { Reresolve(d); })) return;
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::DeleteSelection() {
  if (tool_ != 0 || dragging_) return;
  bool any = false;
  ForEachDeep(doc().elements(), [&](const Element& e) { any = any || e.selected; });
  if (!any) return;
  StoreStep();
  // Deleting one element may delete others: look for the next selected one each time.
  for (;;) {
    Element* next = nullptr;
    ForEachDeep(doc().elements(), [&](const Element& e) {
      if (!next && e.selected) next = const_cast<Element*>(&e);
    });
    if (!next) break;
    DeleteWithDependents(doc(), *next);
  }
  ClearDetection();
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::SelectAll() {
  SelectTool(0);
  SetSelected(doc().elements(), 1);
  host_.Repaint();
}

void Interaction::SelectGroup(int32_t type) {
  ForEachDeep(doc().elements(), [&](const Element& ce) {
    Element& e = const_cast<Element&>(ce);
    if (e.type() != type || !e.exists || e.visibility == 100) return;
    if (e.visibility == 0 && !ws_.showHidden) return;
    if (e.kind == kName && e.parent[0] && e.parent[0]->nameElement != &e) return;
    e.selected = 1;
  });
  host_.Repaint();
}

void Interaction::DeleteAllElements() {
  if (doc().elements().empty()) return;
  SelectTool(0);
  StoreStep();
  DeleteAll(doc());
  doc().tracesDrawn = 0;
  ClearDetection();
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::ToggleShowHidden() {
  ws_.showHidden = !ws_.showHidden;
  ClearDetection();
  host_.Repaint();
}

void Interaction::ApplyEditTool(Element& target) {
  const int t = tool_;
  if (t == 61) {
    host_.EditElement(target);
    return;
  }
  if (t == 63) {
    Font f = target.labelFont       ? *target.labelFont
             : target.as<TextExt>() ? target.as<TextExt>()->font
                                    : doc().textFont;
    if (!host_.ChooseFont(f)) return;
    Renumber(doc().elements());
    const int32_t n = target.number;
    StoreStep();
    Element* e = FindByNumber(doc().elements(), n);
    if (!e) return;
    if (e->labelFont) e->labelFont = f;
    if (auto* x = e->as<TextExt>()) {
      x->font = f;
      for (auto& r : x->runs) r.font = f;
    }
    host_.Repaint();
    return;
  }
  // One undo step per click; the element is looked up again in the list the step leaves.
  Element* e = &target;
  {
    Renumber(doc().elements());
    const int32_t n = target.number;
    StoreStep();
    e = FindByNumber(doc().elements(), n);
    if (!e) return;
  }
  if (t == 60) {
    e->visibility = e->visibility == 0 ? 1 : 0;
    if (e->nameElement) e->nameElement->visibility = e->visibility;
  } else if (t == 62) {
    DeleteWithDependents(doc(), *e);
  } else if (t == 64) {
    e->colour = currentColour_;
    e->colourSource = nullptr;
    if (auto* x = e->as<TextExt>()) {
      x->font.colour = currentColour_;
      for (auto& r : x->runs) r.font.colour = currentColour_;
    }
    colourToolUsed_ = true;
  } else if (t == 65) {
    if (Fillable(e->type())) e->attr1 = currentFill_;
    e->colourSource = nullptr;
  } else if (t >= 68 && t <= 73) {
    e->style = t - 67;
  } else if (t >= 74 && t <= 79) {
    e->style = t - 73;
  } else if (t >= 80 && t <= 82) {
    e->style = t - 79;
  }
  ClearDetection();
  Recompute();
  host_.CommandsChanged();
  host_.Repaint();
}

bool Interaction::ApplyEditToolToSelection() {
  const int t = tool_;
  std::vector<Element*> selected;
  ForEachDeep(doc().elements(), [&](const Element& e) {
    if (e.selected) selected.push_back(const_cast<Element*>(&e));
  });
  if (selected.empty()) return false;
  Font font = doc().textFont;
  if (t == 63 && !host_.ChooseFont(font)) return true;
  Renumber(doc().elements());
  std::vector<int32_t> numbers;
  for (Element* e : selected) numbers.push_back(e->number);
  StoreStep();
  for (int32_t n : numbers) {
    Element* e = FindByNumber(doc().elements(), n);
    if (!e) continue;
    const int32_t type = e->type();
    if (t == 60) {
      e->visibility = e->visibility == 0 ? 1 : 0;
      if (e->nameElement) e->nameElement->visibility = e->visibility;
      e->selected = 0;
    } else if (t == 63) {
      if (e->labelFont) e->labelFont = font;
      if (auto* x = e->as<TextExt>()) {
        x->font = font;
        for (auto& r : x->runs) r.font = font;
      }
    } else if (t == 64) {
      e->colour = currentColour_;
      e->colourSource = nullptr;
    } else if (t == 65) {
      if (Fillable(type)) e->attr1 = currentFill_;
      e->colourSource = nullptr;
    } else if (t >= 68 && t <= 73) {
      if (type == kTypePoint) e->style = t - 67;
    } else if (t >= 74 && t <= 79) {
      if (LineStyled(type)) e->style = t - 73;
    } else if (t >= 80 && t <= 82) {
      if (type == kTypeAngle) e->style = t - 79;
    }
  }
  Recompute();
  return true;
}

std::vector<ElementPtr> Interaction::Preview() const {
  std::vector<ElementPtr> out;
  if (pickCounter_ == 0 || picks_.empty()) return out;
  const Document& d = doc();
  auto make = [&](int32_t kind, Vec2 a, Vec2 b) {
    auto e = NewElementOfKind(kind);
    e->value = {a.x, a.y, b.x, b.y};
    const int32_t type = TypeOfKind(kind);
    e->colour = ColourForNewElements().value_or(d.typeColours[type]);
    e->style = d.typeStyles[type];
    out.push_back(std::move(e));
  };
  const Vec2 p0 = PointOf(*picks_.front());
  const Vec2 k = pointer_;
  switch (tool_) {
    case 2: make(kLineTwoPoints, p0, k); break;
    case 3: make(kRayTwoPoints, p0, k); break;
    case 5: make(kCircleCentrePoint, p0, k); break;
    case 9: make(kSegment, p0, k); break;
    case 12: make(kVector, p0, k); break;
    case 10:
    case 14:
    case 55:
      for (size_t i = 0; i + 1 < picks_.size(); ++i)
        make(kSegment, PointOf(*picks_[i]), PointOf(*picks_[i + 1]));
      make(kSegment, PointOf(*picks_.back()), k);
      break;
    case 11: {
      if (picks_.size() < 2) break;
      const Vec2 c = p0, v = PointOf(*picks_[1]);
      const double a0 = std::atan2(v.y - c.y, v.x - c.x);
      double theta = std::atan2(k.y - c.y, k.x - c.x) - a0;
      while (theta < 0) theta += 2 * std::numbers::pi;
      const PolygonChoice ch = RegularPolygonFor(theta);
      const double r = Dist(c, v);
      auto vertex = [&](int i) {
        const double a = a0 + 2 * std::numbers::pi * ch.k * i / ch.n;
        return c + Vec2{std::cos(a), std::sin(a)} * r;
      };
      for (int i = 0; i < ch.n; ++i) make(kSegment, vertex(i), vertex(i + 1));
      break;
    }
    default: break;
  }
  return out;
}

}  // namespace velt
