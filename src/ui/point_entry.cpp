#include "ui/point_entry.h"

#include <charconv>
#include <cmath>
#include <numbers>

#include "expr/expression.h"
#include "model/element_list.h"
#include "ui/host.h"
#include "ui/strings_edit.h"
#include "ui/workspace.h"

namespace velt {
namespace {

std::string Fixed4(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 4);
  return r.ec == std::errc{} ? std::string(buf, r.ptr) : std::string();
}

std::optional<double> Evaluate(const Document& doc, std::string_view text) {
  expr::EvalContext ctx;
  ctx.angleUnit = doc.angleUnit;
  const auto v = expr::EvaluateConstantText(text, ctx);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

int32_t NumberOf(ToolContext& c, Element& e) {
  Renumber(c.doc().elements());
  return e.number;
}

}  // namespace

PointEntrySession::PointEntrySession(ToolContext& c, Element& axes)
    : c_(c), axesNumber_(NumberOf(c, axes)) {}

PointEntrySession::PointEntrySession(ToolContext& c, Element& axes, Element& plotted)
    : c_(c), axesNumber_(NumberOf(c, axes)), editedNumber_(plotted.number) {
  initialX_ = Fixed4(plotted.value[2]);
  initialY_ = Fixed4(plotted.value[3]);
}

bool PointEntrySession::Accept(std::string_view cx, std::string_view cy, bool polar) {
  const auto a = Evaluate(c_.doc(), cx);
  const auto b = Evaluate(c_.doc(), cy);
  if (!a || !b) {
    c_.host().ShowMessage(c_.workspace().Text(str::kInvalidPairInput), MessageIcon::Warning);
    return false;
  }
  double x = *a, y = *b;
  if (polar) {
    const double theta = *b * std::numbers::pi / 180.0;
    x = *a * std::cos(theta);
    y = *a * std::sin(theta);
  }
  if (entries_ == 0) c_.StoreStep();
  ++entries_;
  Element* axes = FindByNumber(c_.doc().elements(), axesNumber_);
  if (editing()) {
    // The step may have replaced the list: the point is found again by its number.
    if (Element* p = FindByNumber(c_.doc().elements(), editedNumber_)) {
      p->value[2] = x;
      p->value[3] = y;
    }
    editedNumber_ = -1;
  } else if (axes && axes->kind == kAxes) {
    ElementTemplate t;
    t.kind = kPlottedPoint;
    t.parent[0] = axes;
    t.value = {0, 0, x, y};
    c_.Make(t);
  }
  c_.Recompute();
  c_.host().CommandsChanged();
  c_.Repaint();
  return true;
}

}  // namespace velt
