#pragma once
// The parameter dialog (`TV_ed_param`) without its window: the value p and the limits a and b
// of a parameter (kind 63), the slider over [a, b], and the one undo step on close.
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "expr/eval_context.h"
#include "model/document.h"
#include "ui/stoppable_work.h"

namespace velt {

// The slider's range.
inline constexpr int kSliderMin = 0;
inline constexpr int kSliderMax = 1000;

struct ParameterValues {
  double p = 0, a = -10, b = 10;
  bool operator==(const ParameterValues&) const = default;
};

ParameterValues ValuesOf(const Element& parameter);
void ApplyValues(Element& parameter, const ParameterValues& v);

// Where the slider stands for the values: 0 when a = b, nothing (it stays where it is) when p
// lies outside [a, b].
std::optional<int> SliderPosition(const ParameterValues& v);
// The value p of a slider position.
double ValueAtSlider(const ParameterValues& v, int position);

// The fields of the dialog: value, lower and upper limit.
enum ParameterField { kFieldValue = 0, kFieldMinimum = 1, kFieldMaximum = 2 };

class ParameterEdit {
 public:
  // Remembers the values at opening.
  ParameterEdit(Document& doc, Element& parameter);

  const Element& parameter() const { return *parameter_; }
  const ParameterValues& original() const { return original_; }
  ParameterValues current() const { return ValuesOf(*parameter_); }
  // A field's text: fixed notation with 2 decimals.
  std::string FieldText(int field) const;
  // The slider position to show: the new one, or `previous` when p is outside the limits.
  int SliderFor(int previous) const;

  // What shows a long recompute and reads Escape meanwhile (none: recomputes run to the end).
  void SetBusyWindow(BusyWindow* window) { busy_ = window; }

  // The slider moved: p follows, and everything built on the parameter is recomputed. The
  // abort flag, when set while the recompute runs, stops it; without one the busy window's
  // Escape does.
  void SlideTo(int position, const std::atomic<bool>* abort = nullptr);

  // OK or Enter with the texts of the edited fields (nothing for a field left alone): each is
  // a constant expression. Returns the first field that is not one (nothing is stored), or
  // -1 once the values are stored and the figure recomputed.
  int Confirm(const std::array<std::optional<std::string>, 3>& edited);
  // The slider took the focus: edited fields are checked without a message; when one fails
  // the values at opening come back. False when they did.
  bool CheckSilently(const std::array<std::optional<std::string>, 3>& edited);

  // Closing: when the dialog was confirmed and p, a or b changed, `storeStep` stores one undo
  // step holding the values at opening, then the new values stand and the document is marked
  // modified (true). Otherwise the values at opening come back (false).
  bool Close(bool confirmed, const std::function<void()>& storeStep);

 private:
  std::optional<ParameterValues> Read(const std::array<std::optional<std::string>, 3>& edited,
                                      int& failed) const;
  void Recompute(const std::atomic<bool>* abort = nullptr);

  Document* doc_;
  Element* parameter_;
  ParameterValues original_;
  BusyWindow* busy_ = nullptr;
};

// The dialog answered in one line, as scripts do: "P A B", three constant expressions for the
// value and the limits ("-" keeps a field as it is). The answer is confirmed and the dialog
// closed; a field that is not a constant expression shows `invalidInput` through `message`
// and the dialog closes without a change. True when the parameter changed.
bool AnswerParameterDialog(Document& doc, Element& parameter, std::string_view answer,
                           const std::function<void()>& storeStep,
                           const std::function<void(int failedField)>& message);

}  // namespace velt
