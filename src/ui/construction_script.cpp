// Reading construction scripts.
#include "ui/construction_script.h"

#include <charconv>
#include <cmath>

#include "ui/strings_scripts.h"
#include "ui/tool_table.h"

namespace velt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    const size_t start = i;
    while (i < s.size() && !IsBlank(s[i])) ++i;
    if (i > start) out.push_back(s.substr(start, i - start));
  }
  return out;
}

struct CommandWord {
  std::string_view word;
  ScriptCommand command;
  int numbers;             // how many plane coordinates follow
  std::string_view usage;  // shown when the arguments are wrong
};

constexpr CommandWord kCommands[] = {
    {"tool", ScriptCommand::Tool, 0, "tool N|BUTTON"},
    {"click", ScriptCommand::Click, 2, "click X Y"},
    {"shift-click", ScriptCommand::ShiftClick, 2, "shift-click X Y"},
    {"double-click", ScriptCommand::DoubleClick, 2, "double-click X Y"},
    {"right-click", ScriptCommand::RightClick, 2, "right-click X Y"},
    {"drag", ScriptCommand::Drag, 4, "drag X1 Y1 X2 Y2"},
    {"press", ScriptCommand::Press, 2, "press X Y"},
    {"key", ScriptCommand::Key, 0, "key Escape|Left|Right|Up|Down|Plus|Minus|Delete"},
    {"undo", ScriptCommand::Undo, 0, "undo"},
    {"redo", ScriptCommand::Redo, 0, "redo"},
    {"select-all", ScriptCommand::SelectAll, 0, "select-all"},
    {"delete", ScriptCommand::Delete, 0, "delete"},
    {"answer", ScriptCommand::Answer, 0, "answer TEXT"},
    {"macro-complete", ScriptCommand::MacroComplete, 0, "macro-complete NAME"},
    {"macro", ScriptCommand::MacroChoose, 0, "macro NAME"},
    {"macro-load", ScriptCommand::MacroLoad, 0, "macro-load FILE.mac"},
    {"move", ScriptCommand::Move, 2, "move X Y"},
    {"overlay", ScriptCommand::Overlay, 0, "overlay"},
    {"tick", ScriptCommand::Tick, 0, "tick N (1..100000)"},
    {"expression", ScriptCommand::Expression, 0, "expression TEXT"},
    {"function-type", ScriptCommand::FunctionType, 0, "function-type 1|2|3|4"},
};

struct KeyWord {
  std::string_view word;
  Key key;
};

constexpr KeyWord kKeys[] = {
    {"Escape", Key::Escape}, {"Left", Key::Left}, {"Right", Key::Right}, {"Up", Key::Up},
    {"Down", Key::Down},     {"Plus", Key::Plus}, {"Minus", Key::Minus},
};

enum class NumberError { None, NotANumber, TooFar };

NumberError ReadCoordinate(std::string_view word, double& out) {
  std::string_view w = word;
  if (!w.empty() && w.front() == '+') w.remove_prefix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
  if (ec != std::errc{} || end != w.data() + w.size() || w.empty() || !std::isfinite(v))
    return NumberError::NotANumber;
  if (std::fabs(v) > kScriptMaxCoordinate) return NumberError::TooFar;
  out = v;
  return NumberError::None;
}

// Reads one line without its comment; false with the reason when it cannot be read.
bool ReadLine(std::string_view line, int number, const LanguageTable& language,
              std::optional<ScriptStep>& step, std::string& reason) {
  auto fail = [&](int text, std::string_view detail) {
    reason = language.Get(text);
    if (!detail.empty()) reason += ": " + std::string(detail);
    return false;
  };
  step.reset();
  if (line.size() > kScriptMaxLineLength) return fail(str::kScriptLineTooLong, {});
  if (const size_t hash = line.find('#'); hash != std::string_view::npos)
    line = line.substr(0, hash);
  line = Trim(line);
  if (line.empty()) return true;
  const std::vector<std::string_view> words = Words(line);
  const CommandWord* c = nullptr;
  for (const CommandWord& k : kCommands)
    if (SameWordIgnoringCase(k.word, words[0])) c = &k;
  if (!c) return fail(str::kScriptUnknownCommand, words[0]);
  ScriptStep s;
  s.line = number;
  s.command = c->command;
  const size_t args = words.size() - 1;
  switch (c->command) {
    case ScriptCommand::Tool: {
      if (args != 1) return fail(str::kScriptArguments, c->usage);
      const auto tool = ToolByWord(words[1]);
      if (!tool) return fail(str::kScriptUnknownTool, words[1]);
      if (!RowOf(*tool).built) {
        return fail(str::kScriptToolNotBuilt, std::to_string(ToolNumber(*tool)) + " (" +
                                                  std::string(RowOf(*tool).button) + ")");
      }
      s.tool = *tool;
      break;
    }
    case ScriptCommand::Key: {
      if (args != 1) return fail(str::kScriptArguments, c->usage);
      if (SameWordIgnoringCase(words[1], "Delete")) {
        s.command = ScriptCommand::Delete;  // the Delete key is the menu's "Borrar"
        break;
      }
      const KeyWord* k = nullptr;
      for (const KeyWord& kw : kKeys)
        if (SameWordIgnoringCase(kw.word, words[1])) k = &kw;
      if (!k) return fail(str::kScriptUnknownKey, words[1]);
      s.key = k->key;
      break;
    }
    case ScriptCommand::Tick: {
      int n = 0;
      const std::string_view w = args == 1 ? words[1] : std::string_view{};
      const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), n);
      if (args != 1 || ec != std::errc{} || end != w.data() + w.size() || n < 1 ||
          n > kScriptMaxTicks)
        return fail(str::kScriptArguments, c->usage);
      s.count = n;
      break;
    }
    case ScriptCommand::Answer:
    case ScriptCommand::MacroComplete:
    case ScriptCommand::MacroChoose:
    case ScriptCommand::MacroLoad:
    case ScriptCommand::Expression: {
      if (args == 0) return fail(str::kScriptArguments, c->usage);
      // The whole rest of the line, inner blanks kept.
      s.text = std::string(Trim(line.substr(words[0].size())));
      break;
    }
    case ScriptCommand::FunctionType: {
      if (args != 1 || words[1].size() != 1 || words[1][0] < '1' || words[1][0] > '4')
        return fail(str::kScriptArguments, c->usage);
      s.x1 = words[1][0] - '0';
      break;
    }
    default: {
      if (static_cast<int>(args) != c->numbers) return fail(str::kScriptArguments, c->usage);
      double* slots[] = {&s.x1, &s.y1, &s.x2, &s.y2};
      for (int i = 0; i < c->numbers; ++i) {
        switch (ReadCoordinate(words[i + 1], *slots[i])) {
          case NumberError::NotANumber: return fail(str::kScriptNotANumber, words[i + 1]);
          case NumberError::TooFar: return fail(str::kScriptTooFar, words[i + 1]);
          case NumberError::None: break;
        }
      }
      break;
    }
  }
  step = std::move(s);
  return true;
}

}  // namespace

std::optional<Tool> ToolByWord(std::string_view word) {
  int n = -1;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
  if (ec == std::errc{} && end == word.data() + word.size()) return ToolFromNumber(n);
  if (auto t = ToolFromButton(word)) return t;
  for (int i = 0; i < kToolCount; ++i)
    if (SameWordIgnoringCase(RowOf(*ToolFromNumber(i)).button, word)) return ToolFromNumber(i);
  return std::nullopt;
}

ParsedScript ParseScript(std::string_view text, const LanguageTable& language) {
  ParsedScript out;
  size_t at = 0;
  int number = 0;
  while (at < text.size()) {
    ++number;
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string reason;
    if (number > kScriptMaxLines || end > kScriptMaxBytes) {
      out.failure = ScriptFailure{number, language.Get(str::kScriptTooLong)};
      return out;
    }
    std::optional<ScriptStep> step;
    if (!ReadLine(text.substr(at, end - at), number, language, step, reason)) {
      out.failure = ScriptFailure{number, std::move(reason)};
      return out;
    }
    if (step) out.steps.push_back(std::move(*step));
    at = end + 1;
  }
  return out;
}

}  // namespace velt
