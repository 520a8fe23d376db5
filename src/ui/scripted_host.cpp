// Answers for the dialogs a construction script meets.
#include "ui/scripted_host.h"

#include <algorithm>
#include <charconv>

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

bool ScriptedHost::EditElement(Element&) {
  // There is no editor without a window: "Yes" confirms the element as it is.
  const auto a = NextAnswer();
  return a && IsYes(*a);
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
