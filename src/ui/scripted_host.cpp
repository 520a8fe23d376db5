// Answers for the dialogs a construction script meets.
#include "ui/scripted_host.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "anim/iteration.h"
#include "ui/edit_session.h"
#include "ui/point_entry.h"
#include "view/greek_symbols.h"

namespace velt {

bool SameWordIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<std::string> ScriptedHost::NextAnswer() {
  if (answers_.empty()) return std::nullopt;
  std::string a = std::move(answers_.front());
  answers_.pop_front();
  return a;
}

namespace {

bool IsYes(std::string_view a) {
  for (std::string_view y : {"yes", "y", "ok", "si", "sí", "s"})
    if (SameWordIgnoringCase(a, y)) return true;
  return false;
}

bool IsNo(std::string_view a) {
  return SameWordIgnoringCase(a, "no") || SameWordIgnoringCase(a, "n");
}

}  // namespace

SaveAnswer ScriptedHost::AskSaveChanges(Document&) {
  const auto a = NextAnswer();
  if (!a) return SaveAnswer::Cancel;
  if (IsYes(*a)) return SaveAnswer::Yes;
  if (IsNo(*a)) return SaveAnswer::No;
  return SaveAnswer::Cancel;
}

void ScriptedHost::ShowMessage(const std::string& text, MessageIcon) {
  if (sink_) sink_(text);
}

namespace {

std::vector<std::string_view> SplitAt(std::string_view s, char sep) {
  std::vector<std::string_view> out;
  size_t from = 0;
  for (;;) {
    const size_t at = s.find(sep, from);
    out.push_back(TrimBlanks(s.substr(from, at == std::string_view::npos ? s.npos : at - from)));
    if (at == std::string_view::npos) return out;
    from = at + 1;
  }
}

std::optional<int32_t> IntOf(std::string_view s) {
  int32_t v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return v;
}

// One command of the edit dialog; false when the dialog has closed.
bool EditCommand(EditSession& s, EditFields& fields, std::string_view command) {
  const size_t blank = command.find(' ');
  const std::string_view word = command.substr(0, blank);
  const std::string_view arg =
      blank == std::string_view::npos ? std::string_view{} : TrimBlanks(command.substr(blank));
  const auto n = IntOf(arg);
  if (IsYes(word) || SameWordIgnoringCase(word, "accept")) return !s.Accept(fields);
  if (SameWordIgnoringCase(word, "cancel") || IsNo(word)) {
    s.Cancel();
    return false;
  }
  if (SameWordIgnoringCase(word, "delete")) {
    s.Delete();
    return false;
  }
  if (SameWordIgnoringCase(word, "parametric")) {
    s.CancelAndRequest(EditRequest::ParametricColour);
    return false;
  }
  if (SameWordIgnoringCase(word, "definition")) {
    s.CancelAndRequest(EditRequest::EditDefinition);
    return false;
  }
  if (SameWordIgnoringCase(word, "redefine") &&
      (s.controls().redefineButton || s.controls().redefinePoint)) {
    s.CancelAndRequest(s.controls().redefineButton ? EditRequest::RedefineButton
                                                   : EditRequest::RedefinePoint);
    return false;
  }
  const bool on = !SameWordIgnoringCase(arg, "off");
  if (SameWordIgnoringCase(word, "unit")) s.ToggleUnit();
  if (SameWordIgnoringCase(word, "unit-kind") && n) s.SetUnitKind(*n);
  if (SameWordIgnoringCase(word, "only-last")) s.SetIterationOption(kIterOnlyLast, on);
  if (SameWordIgnoringCase(word, "draw-points")) s.SetIterationOption(kIterDrawPoints, on);
  if (SameWordIgnoringCase(word, "own-colour")) s.SetIterationOption(kIterOwnColour, on);
  if (SameWordIgnoringCase(word, "colour-flag")) s.SetIterationColourFlag(on);
  if (SameWordIgnoringCase(word, "invert")) s.InvertButton();
  if (SameWordIgnoringCase(word, "colour") && n) s.SetColour(*n);
  if (SameWordIgnoringCase(word, "style") && n) s.SetStyle(*n);
  if (SameWordIgnoringCase(word, "hide")) s.ToggleVisible();
  if (SameWordIgnoringCase(word, "hide-name")) s.ToggleNameVisible();
  if (SameWordIgnoringCase(word, "name")) fields.name = std::string(arg);
  if (SameWordIgnoringCase(word, "decimals") && n) fields.decimals = *n;
  if (SameWordIgnoringCase(word, "points")) fields.pointCount = std::string(arg);
  if (SameWordIgnoringCase(word, "from")) fields.graphFrom = std::string(arg);
  if (SameWordIgnoringCase(word, "to")) fields.graphTo = std::string(arg);
  if (SameWordIgnoringCase(word, "increment")) fields.increment = std::string(arg);
  if (SameWordIgnoringCase(word, "transposed")) s.SetTransposed(true);
  if (SameWordIgnoringCase(word, "upright")) s.SetTransposed(false);
  if (SameWordIgnoringCase(word, "equal-units")) s.EqualAxisUnits();
  if (SameWordIgnoringCase(word, "full-turn")) s.SetFullTurn(!SameWordIgnoringCase(arg, "off"));
  if (SameWordIgnoringCase(word, "anchor") && n) s.SetAnchor(*n);
  return true;
}

}  // namespace

void ScriptedHost::RunEditDialog(EditSession& session) {
  const auto a = NextAnswer();
  if (!a) return;
  EditFields fields = session.initialFields();
  for (std::string_view command : SplitAt(*a, ';'))
    if (!command.empty() && !EditCommand(session, fields, command)) return;
}

std::optional<int32_t> ScriptedHost::ChooseColourScale() {
  const auto a = NextAnswer();
  if (!a) return std::nullopt;
  const auto n = IntOf(TrimBlanks(*a));
  if (!n || *n < 1 || *n > 201 || *n == 102) return std::nullopt;
  return n;
}

void ScriptedHost::RunPointEntry(PointEntrySession& session) {
  while (const auto a = NextAnswer()) {
    std::string_view pair = TrimBlanks(*a);
    if (SameWordIgnoringCase(pair, "close")) return;
    bool polar = false;
    if (pair.substr(0, 6) == "polar ") {
      polar = true;
      pair = TrimBlanks(pair.substr(6));
    }
    const auto fields = SplitAt(pair, ';');
    session.Accept(fields[0], fields.size() > 1 ? fields[1] : std::string_view{}, polar);
  }
}

std::optional<EditedText> ScriptedHost::EditText(const EditedText& initial, Pt) {
  const auto a = NextAnswer();
  if (!a || SameWordIgnoringCase(*a, "cancel")) return std::nullopt;
  EditedText out;
  out.font = initial.font;
  Font greek = initial.font;
  greek.face = "Symbol";
  for (std::string_view text : SplitAt(*a, '|')) {
    std::vector<TextFragment> line;
    while (!text.empty()) {
      const size_t open = text.find('{');
      const size_t close = open == text.npos ? text.npos : text.find('}', open);
      if (open == text.npos || close == text.npos) {
        line.push_back({std::string(text), initial.font});
        break;
      }
      if (open > 0) line.push_back({std::string(text.substr(0, open)), initial.font});
      line.push_back({SymbolToGreek(text.substr(open + 1, close - open - 1)), greek});
      text.remove_prefix(close + 1);
    }
    out.lines.push_back(std::move(line));
  }
  return out;
}

bool ScriptedHost::ChooseFont(Font& font) {
  // "Yes" takes the font offered; "FACE SIZE" or "FACE" chooses another; "No" cancels.
  const auto a = NextAnswer();
  if (!a || IsNo(*a) || SameWordIgnoringCase(*a, "cancel")) return false;
  if (IsYes(*a)) return true;
  std::string_view face = *a;
  const size_t blank = face.find_last_of(' ');
  if (blank != std::string_view::npos) {
    const std::string_view last = face.substr(blank + 1);
    int size = 0;
    const auto [end, ec] = std::from_chars(last.data(), last.data() + last.size(), size);
    if (ec == std::errc{} && end == last.data() + last.size() && size >= 1 && size <= 500) {
      font.size = size;
      face = TrimBlanks(face.substr(0, blank));
    }
  }
  if (!face.empty()) font.face = std::string(face);
  return true;
}

void ScriptedHost::EditParameter(Element& parameter) {
  const auto a = NextAnswer();
  if (a && parameterAnswer_) parameterAnswer_(parameter, *a);
}

}  // namespace velt

namespace velt {

IterationDialogAnswer ScriptedHost::IterationDialog(const IterationDialogState& state) {
  const auto a = NextAnswer();
  if (!a) return {};
  return ParseIterationAnswer(*a, state.selected).value_or(IterationDialogAnswer{});
}

}  // namespace velt
