// The numeric tools: the calculator of calculations (42), parameters (43) and functions (44),
// the graph of a function (45) and tables of values (50).
#include <algorithm>
#include <cmath>
#include <numbers>

#include "expr/calculation.h"
#include "expr/function_value.h"
#include "expr/token_codes.h"
#include "geometry/recompute.h"
#include "model/element_list.h"
#include "ui/calculator_session.h"
#include "ui/host.h"
#include "ui/strings_window.h"
#include "ui/table_fill.h"
#include "ui/tool_gestures.h"
#include "ui/workspace.h"
#include "view/table_text.h"

namespace velt {
namespace {

DetectionMask TypesMask(std::initializer_list<int> types) {
  DetectionMask m{};
  for (int t : types) m[t] = 1;
  return m;
}

// Where a new calculation, parameter or function is shown: down the left edge of the view,
// one line below the previous one.
Pt NewNumberPosition(const Document& d) {
  int count = 0;
  for (const auto& e : d.elements())
    if (e->kind == kCalculation || e->kind == kParameter || e->kind == kFunction) ++count;
  return {d.viewLeft + 20, d.viewTop - 30 - 20.0 * (count % 25)};
}

// The list position of an element, or of the element owning a sub-element.
std::ptrdiff_t ListPosition(const Document& d, const Element* e) {
  while (e && e->owner) e = e->owner;
  return IndexOf(d.elements(), e);
}

int32_t TypeForPurpose(const CalculatorSession& s) {
  return s.purpose == CalculatorPurpose::Function ? std::clamp(s.functionType, 1, 4) : 0;
}

void Redefine(ToolContext& c, const CalcResult& r) {
  CalculatorSession& s = c.workspace().calculator;
  c.StoreStep();
  Element* e = s.editing;
  auto* x = e ? e->as<ExpressionExt>() : nullptr;
  if (!x) return;
  const std::vector<Element*> before = x->variables;
  x->variables = s.variables;
  if (!expr::DefineExpression(*e, r.text, TypeForPurpose(s))) {
    x->variables = before;
    return;
  }
  c.doc().modified = 1;
  c.Recompute();
  c.SelectTool(Tool::Sel);
}

void Create(ToolContext& c, const CalcResult& r) {
  CalculatorSession& s = c.workspace().calculator;
  Document& doc = c.doc();
  c.EnsureStep();
  ElementTemplate t;
  t.kind = s.purpose == CalculatorPurpose::Parameter  ? kParameter
           : s.purpose == CalculatorPurpose::Function ? kFunction
                                                      : kCalculation;
  if (t.kind != kParameter) t.picks = s.variables;
  const Pt at = NewNumberPosition(doc);
  t.value[2] = at.x;
  t.value[3] = at.y;
  CreationSettings settings = c.Settings();
  settings.parameterValue = r.value;
  Element* e = MakeElementFromTemplate(doc, t, settings);
  if (t.kind != kParameter) expr::DefineExpression(*e, r.text, TypeForPurpose(s));
  RecomputeElement(*e, RuleContext{&doc});
  c.EndGesture();
  s.variables.clear();
  s.expression.clear();
}

// The range a new graph's variable runs over: what the view shows of its axis for y=f(x)
// and x=f(y), a whole turn for r=f(w), and from the origin to the farthest corner of the view
// for w=f(r).
void DefaultGraphRange(const Document& d, const Element& function, const Element& axes,
                       ElementTemplate& t) {
  const auto* a = axes.as<AxesExt>();
  const Element* origin = axes.parent[0];
  double ox = origin ? origin->value[0] : 0, oy = origin ? origin->value[1] : 0;
  double ux = a && a->xUnit != 0 ? a->xUnit : 40, uy = a && a->yUnit != 0 ? a->yUnit : 40;
  double start = (d.viewLeft - ox) / ux, end = (d.viewRight - ox) / ux;
  switch (expr::FunctionTypeOf(function)) {
    case expr::kXofY:
      start = (d.viewBottom - oy) / uy;
      end = (d.viewTop - oy) / uy;
      break;
    case expr::kRofW:
      start = 0;
      end = d.angleUnit == 1 ? 360 : d.angleUnit == 2 ? 400 : 2 * std::numbers::pi;
      break;
    case expr::kWofR: {
      start = 0;
      end = 0;
      for (double x : {d.viewLeft, d.viewRight})
        for (double y : {d.viewBottom, d.viewTop})
          end = std::max(end, std::hypot((x - ox) / ux, (y - oy) / uy));
      break;
    }
    default: break;
  }
  if (std::isfinite(start) && std::isfinite(end) && start != end) {
    t.value[0] = std::min(start, end);
    t.value[1] = std::max(start, end);
  } else {
    t.value[0] = -10;
    t.value[1] = 10;
  }
}

void FinishGraph(ToolContext& c) {
  ElementTemplate& t = c.tmpl();
  t.kind = kFunctionGraph;
  if (t.parent[0] && t.parent[1]) DefaultGraphRange(c.doc(), *t.parent[0], *t.parent[1], t);
  c.Commit();
}

}  // namespace

void PressCalculatorPick(ToolContext& c, Pt) {
  CalculatorSession& s = c.workspace().calculator;
  Element* e = CalculatorVariableFor(c.UnderElement(), c.SideUnder());
  if (!e) return;
  // A redefined element may only use what comes before it in the list: the list stays in
  // construction order and no element comes to depend on itself.
  if (s.editing) {
    const std::ptrdiff_t mine = ListPosition(c.doc(), s.editing);
    const std::ptrdiff_t theirs = ListPosition(c.doc(), e);
    if (mine < 0 || theirs < 0 || theirs >= mine) return;
  }
  if (!AddCalculatorVariable(s, e)) return;
  c.AddPick(e);
  c.host().CalculatorChanged();
  c.Repaint();
}

CalcResult ExecuteCalculator(ToolContext& c, std::string_view text) {
  Workspace& ws = c.workspace();
  CalculatorSession& s = ws.calculator;
  CalcResult r = EvaluateCalculator(s, text, c.doc(), ws.language);
  if (r.outcome == CalcOutcome::TooLong) {
    c.host().ShowMessage(ws.Text(r.message), MessageIcon::Warning);
    return r;
  }
  s.expression = std::string(text);
  s.result = r.display;
  if (r.message) c.host().ShowMessage(ws.Text(r.message), MessageIcon::Warning);
  const bool makes =
      r.outcome == CalcOutcome::Value || r.outcome == CalcOutcome::Function ||
      (r.outcome == CalcOutcome::Undefined && s.purpose == CalculatorPurpose::Calculation);
  if (makes) {
    if (s.editing)
      Redefine(c, r);
    else
      Create(c, r);
  }
  c.host().CalculatorChanged();
  c.Repaint();
  return r;
}

bool OpenNumberEditor(ToolContext& c, Element& e) {
  if (e.kind == kParameter) {
    c.host().SetStatus(2, c.workspace().Text(str::kModifyParameter));
    c.host().EditParameter(e);
    return true;
  }
  const auto* x = e.as<ExpressionExt>();
  if (!x || (e.kind != kCalculation && e.kind != kFunction)) return false;
  c.SelectTool(e.kind == kFunction ? Tool::B_N_funcion : Tool::B_N_calcular);
  CalculatorSession& s = c.workspace().calculator;
  s.editing = &e;
  s.variables = x->variables;
  s.expression = x->text;
  if (e.kind == kFunction) s.functionType = expr::FunctionTypeOf(e);
  c.host().ShowCalculator(true);  // again, with the element's text in the box
  c.Repaint();
  return true;
}

void PressGraph(ToolContext& c, Pt) {
  Element* e = c.UnderElement();
  if (!e) return;
  ElementTemplate& t = c.tmpl();
  if (c.pickCount() == 0) {
    if (e->kind != kFunction) return;
    t.parent[0] = e;
    c.AddPick(e);
    if (Element* axes = SoleAxes(c.doc())) {
      t.parent[1] = axes;
      FinishGraph(c);
      return;
    }
    c.mask() = TypesMask({kTypeAxes});
    return;
  }
  if (e->kind != kAxes) return;
  t.parent[1] = e;
  c.AddPick(e);
  FinishGraph(c);
}

void PressTable(ToolContext& c, Pt at) {
  Element* u = c.UnderElement();
  if (c.pickCount() == 0 && u && u->kind == kTable) {
    if (TableWantsColumn(*u)) {
      c.StoreStep();
      AppendTableColumn(*u);
      c.doc().modified = 1;
      c.Recompute();
    }
    c.EndGesture();
    return;
  }
  ElementTemplate& t = c.tmpl();
  if (u) {
    Element* v = CalculatorVariableFor(u, c.SideUnder());
    if (!v || v->kind == kFunction || std::ranges::find(t.picks, v) != t.picks.end()) return;
    t.picks.push_back(v);
    c.AddPick(v);
    return;
  }
  if (c.pickCount() == 0 || c.OnCrossing()) return;
  t.kind = kTable;
  t.attr1 = kTableTransposed;
  t.value[2] = at.x;
  t.value[3] = at.y;
  Element* table = c.Commit();
  if (!table) return;
  table->colour = c.doc().numberFont.colour;
  RecordTableColumn(*table, 0);
  c.Repaint();
}

}  // namespace velt
