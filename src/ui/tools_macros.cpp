// The macro tools: choosing initials (52) and finals (53), and applying the chosen macro (51).
#include "geometry/recompute.h"
#include "macros/macro_apply.h"
#include "ui/host.h"
#include "ui/macro_commands.h"
#include "ui/strings_macros.h"
#include "ui/tool_gestures.h"
#include "ui/workspace.h"

namespace velt {
namespace {

// The element a click gives for a parameter of this type: a point (existing, or made where
// the click fell), an axis line for a line, a coordinate number for a number.
Element* PickFor(ToolContext& c, int type, Pt at) {
  if (type == kTypePoint) return c.PickPoint(at);
  Element* u = c.UnderElement();
  if (!u) return nullptr;
  if (type == kTypeLine) {
    if (auto* a = u->as<AxesExt>()) return c.SideUnder() == 1 ? a->yAxis.get() : a->xAxis.get();
  } else if (type == kTypeNumber) {
    if (auto* x = u->as<CoordinatesExt>()) return c.SideUnder() == 1 ? x->y.get() : x->x.get();
  }
  return u;
}

}  // namespace

void PressMacroInitial(ToolContext& c, Pt) {
  if (Element* u = c.UnderElement()) {
    ToggleInitial(c.workspace(), *u);
    c.Repaint();
  }
}

void PressMacroFinal(ToolContext& c, Pt) {
  if (Element* u = c.UnderElement()) {
    ToggleFinal(c.workspace(), c.host(), *u);
    c.Repaint();
  }
}

void PressMacroApply(ToolContext& c, Pt at) {
  Workspace& ws = c.workspace();
  const int chosen = ws.macroSession.chosen;
  if (chosen < 0 || chosen >= static_cast<int>(c.doc().macros.size())) return;
  const auto& types = c.doc().macros[chosen].header.parameters;
  const int step = c.pickCount();
  if (step >= static_cast<int>(types.size())) return;
  Element* pick = PickFor(c, types[step], at);
  if (!pick || pick->type() != types[step]) return;
  c.AddPick(pick);
  if (c.pickCount() < static_cast<int>(types.size())) {
    c.mask() = MacroParameterMask(types[c.pickCount()]);
    c.host().SetStatus(2, MacroPrompt(ws, c.pickCount()));
    return;
  }
  c.EnsureStep();  // one step for the whole application, points made by the clicks included
  Document& doc = c.doc();
  const std::vector<Element*> picks = c.picks();
  const ApplyResult r = ApplyMacro(doc, doc.macros[chosen], picks,
                                   ApplySettings{ws.options.hideMacroIntermediates != 0, at});
  c.EndGesture();
  c.mask() = MacroParameterMask(types.front());
  if (r.status != ApplyStatus::Applied) {
    c.host().ShowMessage(ws.Text(r.status == ApplyStatus::Malformed ? str::kMacroMalformed
                                                                    : str::kMacroPicksMismatch),
                         MessageIcon::Error);
    return;
  }
  c.Recompute();
  c.host().SetStatus(2, MacroPrompt(ws, 0));
  c.Repaint();
}

}  // namespace velt
