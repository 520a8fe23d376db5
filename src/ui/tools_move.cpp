// The move-and-edit tool: selection, dragging, the plane move, the keys.
#include <algorithm>

#include "geometry/element_points.h"
#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "model/undo.h"
#include "ui/element_moves.h"
#include "ui/interaction.h"
#include "ui/selection_rect.h"
#include "ui/step_keys.h"
#include "ui/tool_gestures.h"
#include "view/zoom.h"

namespace velt {
namespace {

std::vector<Element*> Selected(std::vector<ElementPtr>& list) {
  std::vector<Element*> out;
  ForEachDeep(list, [&](const Element& x) {
    if (x.selected) out.push_back(const_cast<Element*>(&x));
  });
  return out;
}

}  // namespace

void PressMove(ToolContext& c, Pt at) { c.PressMoveTool(at); }
void PressZoom(ToolContext& c, Pt at) { c.BeginZoom(at); }

void Interaction::PressMoveTool(Pt at, KeyMods mods) {
  Element* under = detection_.candidate ? nullptr : UnderPointer();
  if (under && under->type() == kTypeButton && under->attr1 != 0) {
    PressButtonElement(*under);
    return;
  }
  if (!under) {
    if (!mods.shift) SetSelected(doc().elements(), 0);
    rect_.active = true;
    rect_.start = rect_.corner = at;
    host_.Repaint();
    return;
  }
  pressed_ = under;
  pressAt_ = at;
  clickPending_ = !mods.shift;
}

void Interaction::MouseMove(double px, double py, KeyMods mods, bool leftHeld) {
  const Pt at = ToPlane(px, py);
  pointer_ = at;
  if (panning_) {
    Document& d = doc();
    d.viewLeft = panLeft_ - (px - panStartPx_);
    d.viewTop = panTop_ + (py - panStartPy_);
    ws_.SyncView(d);
    // The pointer's plane position moved with the view.
    panStartPx_ = px, panStartPy_ = py;
    panLeft_ = d.viewLeft, panTop_ = d.viewTop;
    host_.Repaint();
    return;
  }
  if (zooming_) {
    ZoomStep(at);
    return;
  }
  if (dragging_) {
    DragStep(at);
    return;
  }
  if (tool_ == Tool::Sel && clickPending_ && leftHeld && !mods.shift && pressed_) {
    StartDrag();
    DragStep(at);
    return;
  }
  if (rect_.active) {
    rect_.corner = at;
    host_.Repaint();
    return;
  }
  if (ctrlHeld_ || mods.ctrl) {
    if (!detection_.empty()) ClearDetection();
  } else {
    RunDetection(at);
  }
  host_.Repaint();
}

void Interaction::MouseUp(MouseButton b, double px, double py, KeyMods mods) {
  pointer_ = ToPlane(px, py);
  if (b == MouseButton::Right) {
    if (panning_) {
      panning_ = false;
      Recompute();
      host_.Repaint();
    }
    return;
  }
  if (b != MouseButton::Left) return;
  if (zooming_) {
    zooming_ = false;
    host_.Repaint();
    return;
  }
  if (dragging_) {
    EndDrag();
    return;
  }
  if (rect_.active) {
    FinishRectangle(mods);
    return;
  }
  if (tool_ == Tool::Sel && pressed_ && (clickPending_ || mods.shift)) {
    Element* e = pressed_;
    const bool switchingButton = e->type() == kTypeButton && e->attr1 != 0;
    if (!switchingButton) e->selected = e->selected ? 0 : 1;
    host_.Repaint();
  }
  clickPending_ = false;
  pressed_ = nullptr;
}

void Interaction::StartDrag() {
  StoreStep();  // one step for the whole drag; looks up pressed_ in the new list
  clickPending_ = false;
  rect_.active = false;
  Element* e = pressed_;
  if (StartLocusDrag(*e)) return;
  movers_.clear();
  groupDrag_ = false;
  auto& list = doc().elements();
  const std::vector<Element*> selected = Selected(list);
  const bool allOnElements =
      !selected.empty() && std::all_of(selected.begin(), selected.end(),
                                       [](Element* x) { return x->kind == kPointOnElement; });
  if (e->selected && allOnElements) {
    groupDrag_ = true;
    movers_ = selected;
  } else if ((!e->selected || selected.size() == 1) && CanDragDirectly(*e) && MovesItself(*e)) {
    groupDrag_ = true;
    movers_ = {e};
  } else {
    // Through the free points it is built on; a selected element takes the whole selection
    // along, with the selected free points, texts and bitmaps themselves.
    std::vector<Element*> seen;
    for (Element* s : e->selected ? selected : std::vector<Element*>{e}) {
      if (MovesByKeys(*s) && s->kind != kPointOnElement && s->kind != kPointOnGrid &&
          std::find(seen.begin(), seen.end(), s) == seen.end()) {
        seen.push_back(s);
        movers_.push_back(s);
      } else {
        CollectFreeAncestors(s, movers_, seen);
      }
    }
  }
  moveStarts_.clear();
  for (Element* m : movers_) moveStarts_.push_back(StartOf(*m));
  ClearMarks(list);
  for (Element* m : movers_) {
    if (!IsNotComputed(m->kind)) m->mark = 1;
    MarkDependents(doc(), *m);
  }
  dragging_ = true;
  ClearDetection();
}

void Interaction::DragStep(Pt at) {
  if (locusDrag_) return LocusDragStep(at);
  const Pt shift = at - pressAt_;
  const bool single = movers_.size() == 1;
  const MoveLimits limits{static_cast<double>(ws_.options.nameDistance)};
  for (size_t i = 0; i < movers_.size(); ++i) {
    const MoveStart& start = moveStarts_[i];
    const Pt from{start.value[0], start.value[1]};
    MoveItself(*movers_[i], start, shift, single ? at : from + shift, limits);
  }
  doc().modified = 1;
  RecomputeDragged(doc(), DraggedElement());
  host_.Repaint();
}

const Element* Interaction::DraggedElement() const {
  // A dragged selection moves as a whole: no one element is the dragged one.
  return pressed_ && !pressed_->selected ? pressed_ : nullptr;
}

void Interaction::EndDrag() {
  dragging_ = false;
  locusDrag_ = nullptr;
  clickPending_ = false;
  pressed_ = nullptr;
  movers_.clear();
  ClearMarks(doc().elements());
  host_.CommandsChanged();
  host_.Repaint();
}

void Interaction::FinishRectangle(KeyMods mods) {
  rect_.active = false;
  Box r{std::min(rect_.start.x, rect_.corner.x), std::max(rect_.start.y, rect_.corner.y),
        std::max(rect_.start.x, rect_.corner.x), std::min(rect_.start.y, rect_.corner.y)};
  if (r.right - r.left >= 2 && r.top - r.bottom >= 2 && !mods.ctrl) {
    ForEachDeep(doc().elements(), [&](const Element& ce) {
      Element& e = const_cast<Element&>(ce);
      const bool eligible =
          e.exists && e.visibility != 100 && (e.visibility != 0 || ws_.showHidden);
      e.selected = eligible && MeetsRectangle(e, r, boxOf_, &doc()) ? 1 : 0;
    });
  }
  host_.Repaint();
}

void Interaction::DoubleClick(double px, double py) {
  pointer_ = ToPlane(px, py);
  rect_.active = false;
  if (const DoubleClickFn f = RowOf(tool_).doubleClick) {
    ToolContext c(*this);
    f(c);
    return;
  }
  if (tool_ == Tool::Sel) {
    // A calculation, function or parameter opens its editor; a plotted point the point entry.
    if (Element* e = detection_.candidate ? nullptr : UnderPointer()) {
      ToolContext c(*this);
      if (OpenNumberEditor(c, *e)) return;
      if (DoubleClickElement(c, *e)) return;
    }
    SetSelected(doc().elements(), 0);
    clickPending_ = false;
    pressed_ = nullptr;
    host_.Repaint();
  }
}

void Interaction::KeyDown(Key k, KeyMods mods) {
  switch (k) {
    case Key::Escape:
      SelectTool(Tool::Sel);
      ClearDetection();
      host_.Repaint();
      return;
    case Key::Control:
      ctrlHeld_ = true;
      if (!detection_.empty()) {
        ClearDetection();
        host_.Repaint();
      }
      return;
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: {
      if (tool_ != Tool::Sel || dragging_) return;
      bool any = false;
      ForEachDeep(doc().elements(), [&](const Element& e) { any = any || e.selected; });
      if (!any) return;
      if (!keyRun_) {
        StoreStep();
        keyRun_ = true;
      }
      const double step = mods.ctrl ? 3 : 1;
      const Pt d = k == Key::Left    ? Pt{-step, 0}
                   : k == Key::Right ? Pt{step, 0}
                   : k == Key::Up    ? Pt{0, step}
                                     : Pt{0, -step};
      MoveSelectionBy(d);
      return;
    }
    case Key::Plus:
    case Key::Minus:
      // One undo step for the whole run of presses, until the key is released.
      if (tool_ != Tool::Sel || dragging_ || !StepKeysApply(doc(), k == Key::Plus ? 1 : -1)) return;
      if (!keyRun_) {
        StoreStep();
        keyRun_ = true;
      }
      StepSelection(doc(), k == Key::Plus ? 1 : -1);
      Recompute();
      host_.Repaint();
      return;
    default: return;
  }
}

void Interaction::KeyUp(Key k) {
  if (k == Key::Control) ctrlHeld_ = false;
  if (k == Key::Left || k == Key::Right || k == Key::Up || k == Key::Down || k == Key::Plus ||
      k == Key::Minus) {
    keyRun_ = false;
    host_.CommandsChanged();
  }
}

void Interaction::MoveSelectionBy(Pt delta) {
  // Points, texts, bitmaps, labels and names move themselves; anything else moves through
  // the free points it is built on, each of which moves once.
  std::vector<Element*> movers;
  std::vector<Element*> seen;
  for (Element* e : Selected(doc().elements())) {
    if (MovesByKeys(*e)) {
      if (std::find(seen.begin(), seen.end(), e) == seen.end()) {
        seen.push_back(e);
        movers.push_back(e);
      }
    } else {
      CollectFreeAncestors(e, movers, seen);
    }
  }
  const MoveLimits limits{static_cast<double>(ws_.options.nameDistance)};
  for (Element* m : movers) MoveItself(*m, StartOf(*m), delta, PointA(*m) + delta, limits);
  Recompute();
  host_.Repaint();
}

void Interaction::ZoomStep(Pt at) {
  const double f = ZoomFactor(at.y - zoomLastY_);
  zoomLastY_ = at.y;
  ZoomFigure(doc(), {zoomCentre_.x, zoomCentre_.y}, f);
  Recompute();
  host_.Repaint();
}

}  // namespace velt
