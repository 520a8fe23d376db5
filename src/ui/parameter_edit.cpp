#include "ui/parameter_edit.h"

#include <algorithm>
#include <cmath>

#include "expr/expression.h"
#include "geometry/recompute.h"
#include "view/format_number.h"

namespace velt {

ParameterValues ValuesOf(const Element& parameter) {
  ParameterValues v;
  v.p = parameter.value[0];
  if (const auto* x = parameter.as<ParameterExt>()) {
    v.a = x->minimum;
    v.b = x->maximum;
  }
  return v;
}

void ApplyValues(Element& parameter, const ParameterValues& v) {
  parameter.value[0] = v.p;
  if (auto* x = parameter.as<ParameterExt>()) {
    x->minimum = v.a;
    x->maximum = v.b;
  }
}

std::optional<int> SliderPosition(const ParameterValues& v) {
  if (v.a == v.b) return kSliderMin;
  if (!(v.a <= v.p && v.p <= v.b)) return std::nullopt;
  const double t = (v.p - v.a) / (v.b - v.a) * (kSliderMax - kSliderMin);
  if (!std::isfinite(t)) return std::nullopt;
  return kSliderMin + static_cast<int>(std::trunc(t));
}

double ValueAtSlider(const ParameterValues& v, int position) {
  const double t = static_cast<double>(position - kSliderMin) / (kSliderMax - kSliderMin);
  return v.a + t * (v.b - v.a);
}

ParameterEdit::ParameterEdit(Document& doc, Element& parameter)
    : doc_(&doc), parameter_(&parameter), original_(ValuesOf(parameter)) {}

std::string ParameterEdit::FieldText(int field) const {
  const ParameterValues v = current();
  return FormatNumber(field == kFieldValue ? v.p : field == kFieldMinimum ? v.a : v.b, 2);
}

int ParameterEdit::SliderFor(int previous) const {
  return SliderPosition(current()).value_or(previous);
}

void ParameterEdit::Recompute(const std::atomic<bool>* abort) {
  ClearMarks(doc_->elements());
  MarkDependents(*doc_, *parameter_);
  if (abort) {
    RecomputeMarked(*doc_, false, nullptr, abort);
    return;
  }
  RunStoppable(
      [this](const std::atomic<bool>* stop) { RecomputeMarked(*doc_, false, nullptr, stop); },
      busy_);
}

void ParameterEdit::SlideTo(int position, const std::atomic<bool>* abort) {
  ParameterValues v = current();
  v.p = ValueAtSlider(v, std::clamp(position, kSliderMin, kSliderMax));
  ApplyValues(*parameter_, v);
  Recompute(abort);
}

std::optional<ParameterValues> ParameterEdit::Read(
    const std::array<std::optional<std::string>, 3>& edited, int& failed) const {
  ParameterValues v = current();
  double* slots[] = {&v.p, &v.a, &v.b};
  expr::EvalContext ctx;
  ctx.angleUnit = doc_->angleUnit;
  for (int i = 0; i < 3; ++i) {
    if (!edited[i]) continue;
    const auto value = expr::EvaluateConstantText(*edited[i], ctx);
    if (!value || !std::isfinite(*value)) {
      failed = i;
      return std::nullopt;
    }
    *slots[i] = *value;
  }
  failed = -1;
  return v;
}

int ParameterEdit::Confirm(const std::array<std::optional<std::string>, 3>& edited) {
  int failed = -1;
  const auto v = Read(edited, failed);
  if (!v) return failed;
  ApplyValues(*parameter_, *v);
  Recompute();
  return -1;
}

bool ParameterEdit::CheckSilently(const std::array<std::optional<std::string>, 3>& edited) {
  int failed = -1;
  if (Read(edited, failed)) return true;
  ApplyValues(*parameter_, original_);
  Recompute();
  return false;
}

bool ParameterEdit::Close(bool confirmed, const std::function<void()>& storeStep) {
  const ParameterValues now = current();
  if (!confirmed || now == original_) {
    ApplyValues(*parameter_, original_);
    Recompute();
    return false;
  }
  // The step keeps the figure as it was at opening.
  ApplyValues(*parameter_, original_);
  Recompute();
  if (storeStep) storeStep();
  ApplyValues(*parameter_, now);
  Recompute();
  doc_->modified = 1;
  return true;
}

bool AnswerParameterDialog(Document& doc, Element& parameter, std::string_view answer,
                           const std::function<void()>& storeStep,
                           const std::function<void(int failedField)>& message) {
  ParameterEdit edit(doc, parameter);
  std::array<std::optional<std::string>, 3> fields;
  size_t field = 0;
  while (!answer.empty()) {
    const size_t start = answer.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    answer.remove_prefix(start);
    const size_t end = std::min(answer.find(' '), answer.size());
    const std::string_view word = answer.substr(0, end);
    answer.remove_prefix(end);
    if (field >= fields.size()) {  // more words than fields: not an answer
      message(kFieldMaximum);
      return edit.Close(false, storeStep);
    }
    if (word != "-") fields[field] = std::string(word);
    ++field;
  }
  const int failed = edit.Confirm(fields);
  if (failed >= 0) {
    message(failed);
    return edit.Close(false, storeStep);
  }
  return edit.Close(true, storeStep);
}

}  // namespace velt
