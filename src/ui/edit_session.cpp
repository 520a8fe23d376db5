#include "ui/edit_session.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "anim/iteration.h"
#include "expr/dimension.h"
#include "expr/expression.h"
#include "geometry/locus_sampling.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "model/undo.h"
#include "model/snapshot.h"
#include "ui/action_buttons.h"
#include "ui/host.h"
#include "ui/strings.h"
#include "ui/strings_edit.h"
#include "ui/strings_measures.h"
#include "ui/workspace.h"

namespace velt {
namespace {

constexpr int32_t kFullTurnValue = -1111;  // an angle measured from 0 to 2pi
constexpr int32_t kUpright = 100;

bool OneOf(int32_t v, std::initializer_list<int32_t> set) {
  return std::find(set.begin(), set.end(), v) != set.end();
}

std::string Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return std::string(s);
}

// The name's validity rule: something besides blanks.
bool ValidName(std::string_view s) { return !Trim(s).empty(); }

std::optional<double> Constant(const Document& doc, std::string_view text) {
  expr::EvalContext ctx;
  ctx.angleUnit = doc.angleUnit;
  const auto v = expr::EvaluateConstantText(text, ctx);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

std::optional<int64_t> WholeNumber(std::string_view text) {
  const std::string t = Trim(text);
  int64_t n = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (ec != std::errc{} || end != t.data() + t.size() || t.empty()) return std::nullopt;
  return n;
}

std::string Shortest(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// The dimension a number has by what it measures or computes (0 for none).
int32_t OwnDimension(const Element& e) {
  if (e.kind == kCalculation) return expr::CalculationDimension(e);
  return ValueDimensionOf(e.kind);
}

std::string NameText(const Workspace& ws, const Element& e) {
  if (const auto* k = e.as<CheckerExt>()) {
    const bool holds = e.attr1 == 1;
    const std::string& own = holds ? k->whenTrue : k->whenFalse;
    return own.empty() ? ws.Text(str::CheckerAnswer(e.kind, holds)) : own;
  }
  if (const auto* b = e.as<ButtonExt>()) return b->caption;
  if (const auto* n = e.as<NameExt>()) return n->text;
  if (e.nameElement)
    if (const auto* n = e.nameElement->as<NameExt>()) return n->text;
  return {};
}

}  // namespace

EditControls ControlsFor(const Element& e) {
  const int32_t type = e.type(), kind = e.kind;
  EditControls c;
  c.pointStyles = OneOf(type, {kTypePoint, kTypeGrid, kTypeIteration});
  c.lineStyles = OneOf(type, {kTypeLine, kTypeRay, kTypeSegment, kTypePolygon, kTypeCircle,
                              kTypeArc, kTypeLocus, kTypeConic, kTypeVector, kTypeAxes});
  c.angleStyles = type == kTypeAngle;
  c.colour = type != kTypeBitmap;
  c.nameVisibility =
      !OneOf(type, {kTypeNumber, kTypeFunction, kTypeTable, kTypeEquation, kTypeCoordinates,
                    kTypeProperty, kTypeButton, kTypeBitmap, kTypeIteration, kTypeText}) &&
      !OneOf(kind, {kLocus, kAxes, kName, kGrid, kFunctionGraph});
  c.decimals = OneOf(type, {kTypeNumber, kTypeTable, kTypeEquation, kTypeCoordinates});
  c.labelFont = OwnsLabelFont(type);
  c.tableOrientation = type == kTypeTable;
  c.axesUnits = kind == kAxes;
  c.fullTurn = type == kTypeAngle || kind == kAngleValue;
  c.anchor = kind == kBitmap;
  c.pointCount = kind == kLocus || kind == kFunctionGraph;
  c.graphRange = kind == kFunctionGraph;
  c.increment = kind == kParameter;
  c.editDefinition = OneOf(kind, {kCalculation, kFunction, kParameter});
  c.unit = type == kTypeNumber &&
           (kind == kCalculation || kind == kParameter || ValueDimensionOf(kind) != 0);
  c.iteration = kind == kIteration;
  c.pointCount = c.pointCount || c.iteration;
  c.invert = kind == kButtonShowHide;
  c.redefinePoint = type == kTypePoint;
  c.redefineButton = kind == kButtonShowHide;
  return c;
}

EditSession::EditSession(ToolContext& c, Element& e) : c_(c), e_(&e) {
  Document& doc = c_.doc();
  wasModified_ = doc.modified;
  Renumber(doc.elements());
  number_ = e.number;
  c_.StoreStep();
  // The step keeps the figure as it is; the element is the same one, found again by its
  // number in case the list was replaced.
  e_ = FindByNumber(doc.elements(), number_);
  opening_ = SnapshotBytes(doc.undo, doc.undo.position - 1);
  controls_ = ControlsFor(*e_);
  initial_.name = NameText(c_.workspace(), *e_);
  initial_.decimals = e_->decimals >= 0 && e_->decimals <= 8 ? e_->decimals : 2;
  if (const auto* s = e_->as<SampleExt>()) initial_.pointCount = std::to_string(s->sampleCount);
  if (controls_.iteration) initial_.pointCount = std::to_string(IterationCount(*e_));
  if (controls_.graphRange) {
    initial_.graphFrom = Shortest(e_->value[0]);
    initial_.graphTo = Shortest(e_->value[1]);
  }
  if (const auto* p = e_->as<ParameterExt>()) initial_.increment = Shortest(p->increment);
}

void EditSession::Changed() {
  c_.Recompute();
  c_.host().CommandsChanged();
  c_.Repaint();
}

bool EditSession::axesUnitsDiffer() const {
  const auto* a = e_->as<AxesExt>();
  return a && a->xUnit != a->yUnit;
}

bool EditSession::fullTurn() const {
  if (e_->kind == kAngleValue) return e_->value[1] == kFullTurnValue;
  return e_->attr2 == kFullTurnValue;
}

void EditSession::SetColour(int32_t colour) {
  e_->colour = colour;
  e_->colourSource = nullptr;
  e_->colourMode = 0;
  if (auto* t = e_->as<TextExt>()) {
    t->font.colour = colour;
    for (TextRun& r : t->runs) r.font.colour = colour;
  }
  Changed();
}

void EditSession::SetStyle(int32_t style) {
  e_->style = style;
  Changed();
}

void EditSession::ToggleVisible() {
  e_->visibility = e_->visibility == 0 ? 1 : 0;
  Changed();
}

void EditSession::ToggleNameVisible() {
  if (!e_->nameElement) return;
  Element& n = *e_->nameElement;
  n.visibility = n.visibility == 0 ? 1 : 0;
  Changed();
}

void EditSession::SetLabelFont(const Font& f) {
  if (e_->labelFont) e_->labelFont = f;
  Changed();
}

void EditSession::SetTransposed(bool down) {
  if (!controls_.tableOrientation) return;
  e_->attr1 = down ? kTransposed : kUpright;
  Changed();
}

void EditSession::EqualAxisUnits() {
  if (auto* a = e_->as<AxesExt>()) a->yUnit = a->xUnit;
  Changed();
}

void EditSession::SetFullTurn(bool on) {
  if (!controls_.fullTurn) return;
  if (e_->kind == kAngleValue)
    e_->value[1] = on ? kFullTurnValue : 0;
  else
    e_->attr2 = on ? kFullTurnValue : 0;
  Changed();
}

void EditSession::SetAnchor(int32_t anchor) {
  if (!controls_.anchor || anchor < 1 || anchor > 9) return;
  e_->attr1 = anchor;
  Changed();
}

UnitAction EditSession::unitAction() const {
  if (!controls_.unit) return UnitAction::None;
  if (e_->kind == kParameter) return UnitAction::Choose;
  return OwnDimension(*e_) != 0 ? UnitAction::Toggle : UnitAction::Choose;
}

void EditSession::PassUnitOn() {
  // The calculations built on the number take their dimensions again, in list order so that
  // a calculation of a calculation sees its source's new one.
  ElementList& list = c_.doc().elements();
  ClearMarks(list);
  MarkDependents(c_.doc(), *e_);
  for (auto& x : list)
    if (x->mark && x->kind == kCalculation) x->attr3 = expr::CalculationDimension(*x);
  ClearMarks(list);
}

void EditSession::ToggleUnit() {
  if (unitAction() != UnitAction::Toggle) return;
  e_->attr3 = e_->attr3 != 0 ? 0 : OwnDimension(*e_);
  PassUnitOn();
  Changed();
}

void EditSession::SetUnitKind(int32_t dimension) {
  if (unitAction() != UnitAction::Choose || dimension < expr::kNoDimension ||
      dimension > expr::kAngleDimension)
    return;
  e_->attr3 = dimension;
  PassUnitOn();
  Changed();
}

int32_t EditSession::iterationOptions() const {
  return controls_.iteration ? IterationOptions(*e_) : 0;
}

bool EditSession::iterationColourFlag() const {
  return controls_.iteration && e_->attr2 == kIterColourFlag;
}

void EditSession::SetIterationOption(int32_t option, bool on) {
  if (!controls_.iteration) return;
  velt::SetIterationOption(*e_, option, on);
  Changed();
}

void EditSession::SetIterationColourFlag(bool on) {
  if (!controls_.iteration) return;
  e_->attr2 = on ? kIterColourFlag : 0;
  Changed();
}

void EditSession::InvertButton() {
  if (!controls_.invert || !velt::InvertButton(c_.doc(), *e_)) return;
  inverted_ = !inverted_;
  Changed();
}

void EditSession::Delete() {
  if (state_ != State::Open) return;
  DeleteWithDependents(c_.doc(), *e_);
  state_ = State::Deleted;
  c_.doc().modified = 1;
  Changed();
}

bool EditSession::Accept(const EditFields& f) {
  if (state_ != State::Open) return false;
  Document& doc = c_.doc();
  // Every field is read before anything changes.
  std::optional<int64_t> count;
  if (controls_.pointCount && f.pointCount != initial_.pointCount) {
    count = WholeNumber(f.pointCount);
    if (!count) {
      c_.host().ShowMessage(c_.workspace().Text(str::kInvalidPairInput), MessageIcon::Warning);
      return false;
    }
  }
  std::optional<double> from, to, increment;
  if (controls_.graphRange) {
    from = Constant(doc, f.graphFrom);
    to = Constant(doc, f.graphTo);
    if (!from || !to) {
      c_.host().ShowMessage(c_.workspace().Text(str::kInvalidPairInput), MessageIcon::Warning);
      return false;
    }
  }
  if (controls_.increment) {
    increment = Constant(doc, f.increment);
    if (!increment) {
      c_.host().ShowMessage(c_.workspace().Text(str::kInvalidPairInput), MessageIcon::Warning);
      return false;
    }
  }

  // 1. The name.
  Element& e = *e_;
  const std::string name = Trim(f.name);
  if (ValidName(f.name)) {
    if (auto* k = e.as<CheckerExt>()) {
      (e.attr1 == 1 ? k->whenTrue : k->whenFalse) = name;
    } else if (auto* b = e.as<ButtonExt>()) {
      b->caption = name;
    } else if (auto* n = e.as<NameExt>()) {
      n->text = name;
    } else if (e.nameElement && e.nameElement->as<NameExt>()) {
      e.nameElement->as<NameExt>()->text = name;
    } else if (!e.as<TextExt>() && e.kind != kBitmap) {
      ElementTemplate t;
      t.kind = kName;
      t.parent[0] = &e;
      if (Element* n = c_.Make(t)) n->as<NameExt>()->text = name;
    }
  } else if (e.kind == kName) {
    DeleteWithDependents(doc, e);
    state_ = State::Deleted;
    Changed();
    return true;
  } else if (e.nameElement) {
    Element* n = e.nameElement;
    e.nameElement = nullptr;
    DeleteWithDependents(doc, *n);
  }

  // 2. The point count of a locus or graph, within bounds; 3. the steps of an iteration,
  // at least one and no more than it can draw.
  if (count && controls_.iteration) {
    if (*count != IterationCount(e)) SetIterationCount(e, *count);
  } else if (count) {
    auto* s = e.as<SampleExt>();
    const int32_t n = static_cast<int32_t>(
        std::clamp<int64_t>(*count, kMinDialogLocusPoints, kMaxDialogLocusPoints));
    if (s && n != s->sampleCount) s->sampleCount = n;
  }
  // 4. A graph's range, only when it runs forwards.
  if (from && to && *from < *to) {
    e.value[0] = *from;
    e.value[1] = *to;
  }
  // 5. A parameter's increment, when it is not zero.
  if (increment && *increment != 0)
    if (auto* p = e.as<ParameterExt>()) p->increment = std::fabs(*increment);
  // 7. Decimals.
  if (controls_.decimals) e.decimals = std::clamp(f.decimals, 0, 8);

  state_ = State::Accepted;
  c_.Recompute();
  if (EncodeFigure(*doc.figure) == opening_) {
    // Nothing changed: no undo step, and the document is as modified as it was.
    c_.RollBackStep();
    doc.modified = wasModified_;
  }
  c_.host().CommandsChanged();
  c_.Repaint();
  return true;
}

void EditSession::Cancel() {
  if (state_ != State::Open) return;
  state_ = State::Cancelled;
  c_.RollBackStep();
  c_.doc().modified = wasModified_;
  e_ = FindByNumber(c_.doc().elements(), number_);
  Changed();
}

void EditSession::CancelAndRequest(EditRequest r) {
  if (state_ != State::Open) return;
  Cancel();
  request_ = r;
}

}  // namespace velt
