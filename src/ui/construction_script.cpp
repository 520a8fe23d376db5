// Reading and playing construction scripts.
#include "ui/construction_script.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "geometry/recompute.h"
#include "ui/strings_scripts.h"
#include "ui/tool_table.h"
#include "view/viewport.h"

namespace velt {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

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
    {"key", ScriptCommand::Key, 0, "key Escape|Left|Right|Up|Down|Plus|Minus|Delete"},
    {"undo", ScriptCommand::Undo, 0, "undo"},
    {"redo", ScriptCommand::Redo, 0, "redo"},
    {"select-all", ScriptCommand::SelectAll, 0, "select-all"},
    {"delete", ScriptCommand::Delete, 0, "delete"},
    {"answer", ScriptCommand::Answer, 0, "answer TEXT"},
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
    if (SameIgnoringCase(k.word, words[0])) c = &k;
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
      if (SameIgnoringCase(words[1], "Delete")) {
        s.command = ScriptCommand::Delete;  // the Delete key is the menu's "Borrar"
        break;
      }
      const KeyWord* k = nullptr;
      for (const KeyWord& kw : kKeys)
        if (SameIgnoringCase(kw.word, words[1])) k = &kw;
      if (!k) return fail(str::kScriptUnknownKey, words[1]);
      s.key = k->key;
      break;
    }
    case ScriptCommand::Answer: {
      if (args == 0) return fail(str::kScriptArguments, c->usage);
      // The whole rest of the line, inner blanks kept.
      s.text = std::string(Trim(line.substr(words[0].size())));
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
    if (SameIgnoringCase(RowOf(*ToolFromNumber(i)).button, word)) return ToolFromNumber(i);
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

// ---- the scripted host -------------------------------------------------------

std::optional<std::string> ScriptedHost::NextAnswer() {
  if (answers_.empty()) return std::nullopt;
  std::string a = std::move(answers_.front());
  answers_.pop_front();
  return a;
}

namespace {

bool IsYes(std::string_view a) {
  for (std::string_view y : {"yes", "y", "ok", "si", "sí", "s"})
    if (SameIgnoringCase(a, y)) return true;
  return false;
}

bool IsNo(std::string_view a) { return SameIgnoringCase(a, "no") || SameIgnoringCase(a, "n"); }

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
  if (!a || IsNo(*a) || SameIgnoringCase(*a, "cancel")) return false;
  if (IsYes(*a)) return true;
  std::string_view face = *a;
  const size_t blank = face.find_last_of(' ');
  if (blank != std::string_view::npos) {
    const std::string_view last = face.substr(blank + 1);
    int size = 0;
    const auto [end, ec] = std::from_chars(last.data(), last.data() + last.size(), size);
    if (ec == std::errc{} && end == last.data() + last.size() && size >= 1 && size <= 500) {
      font.size = size;
      face = Trim(face.substr(0, blank));
    }
  }
  if (!face.empty()) font.face = std::string(face);
  return true;
}

// ---- playing ---------------------------------------------------------------

namespace {

class Player {
 public:
  Player(Workspace& ws, ScriptWindow window, ScriptResult& result)
      : ws_(ws),
        window_(window),
        result_(result),
        host_([this](const std::string& m) { result_.messages.push_back(m); }),
        ix_(ws, host_) {}

  void Start() {
    Document& d = ws_.doc();
    ws_.clientWidth = window_.width;
    ws_.clientHeight = window_.height;
    ViewState view;
    view.screenWidth = view.clientWidth = window_.width;
    view.screenHeight = view.clientHeight = window_.height;
    ApplyViewInvariant(d, view);
    RecomputeAll(d);
    ix_.DocumentChanged();
  }

  std::size_t pendingAnswers() const { return host_.pendingAnswers(); }

  // False when the step's position lies outside the window.
  bool Play(const ScriptStep& s) {
    const KeyMods none{};
    switch (s.command) {
      case ScriptCommand::Tool: ix_.SelectTool(s.tool); return true;
      case ScriptCommand::Click:
      case ScriptCommand::ShiftClick: {
        const KeyMods mods{s.command == ScriptCommand::ShiftClick, false};
        const auto p = Pixel(s, s.x1, s.y1);
        if (!p) return false;
        ix_.MouseMove(p->x, p->y, mods, false);
        ix_.MouseDown(MouseButton::Left, p->x, p->y, mods);
        ix_.MouseUp(MouseButton::Left, p->x, p->y, mods);
        return true;
      }
      case ScriptCommand::DoubleClick: {
        // As the window receives it: press, release, the double click, release.
        const auto p = Pixel(s, s.x1, s.y1);
        if (!p) return false;
        ix_.MouseMove(p->x, p->y, none, false);
        ix_.MouseDown(MouseButton::Left, p->x, p->y, none);
        ix_.MouseUp(MouseButton::Left, p->x, p->y, none);
        ix_.DoubleClick(p->x, p->y);
        ix_.MouseUp(MouseButton::Left, p->x, p->y, none);
        return true;
      }
      case ScriptCommand::RightClick: {
        const auto p = Pixel(s, s.x1, s.y1);
        if (!p) return false;
        ix_.MouseMove(p->x, p->y, none, false);
        ix_.MouseDown(MouseButton::Right, p->x, p->y, none);
        ix_.MouseUp(MouseButton::Right, p->x, p->y, none);
        return true;
      }
      case ScriptCommand::Drag: {
        const auto a = Pixel(s, s.x1, s.y1);
        const auto b = a ? Pixel(s, s.x2, s.y2) : std::nullopt;
        if (!a || !b) return false;
        ix_.MouseMove(a->x, a->y, none, false);
        ix_.MouseDown(MouseButton::Left, a->x, a->y, none);
        constexpr int kMoves = 4;
        for (int i = 1; i <= kMoves; ++i) {
          const double t = static_cast<double>(i) / kMoves;
          ix_.MouseMove(a->x + (b->x - a->x) * t, a->y + (b->y - a->y) * t, none, true);
        }
        ix_.MouseUp(MouseButton::Left, b->x, b->y, none);
        return true;
      }
      case ScriptCommand::Key:
        ix_.KeyDown(s.key, none);
        ix_.KeyUp(s.key);
        return true;
      case ScriptCommand::Undo: ix_.UndoCommand(); return true;
      case ScriptCommand::Redo: ix_.RedoCommand(); return true;
      case ScriptCommand::SelectAll: ix_.SelectAll(); return true;
      case ScriptCommand::Delete: ix_.DeleteSelection(); return true;
      case ScriptCommand::Answer: host_.QueueAnswer(s.text); return true;
    }
    return true;
  }

 private:
  // The pixel of a plane position in the window, or the failure of its line.
  std::optional<PixelPointF> Pixel(const ScriptStep& s, double x, double y) {
    const PixelPointF p = WorldToPixelExact(MappingOf(ws_.doc()), x, y);
    if (p.x >= 0 && p.x <= window_.width && p.y >= 0 && p.y <= window_.height) return p;
    const WorldRect v = ViewRectOf(ws_.doc());
    char detail[160];
    std::snprintf(detail, sizeof detail, "%g %g (x %g .. %g, y %g .. %g)", x, y, v.left, v.right,
                  v.bottom, v.top);
    result_.failure =
        ScriptFailure{s.line, ws_.Text(str::kScriptOutsideWindow) + ": " + std::string(detail)};
    return std::nullopt;
  }

  Workspace& ws_;
  ScriptWindow window_;
  ScriptResult& result_;
  ScriptedHost host_;
  Interaction ix_;
};

}  // namespace

ScriptResult RunScript(Workspace& ws, std::string_view text, ScriptWindow window) {
  ScriptResult result;
  ParsedScript parsed = ParseScript(text, ws.language);
  if (parsed.failure) {
    result.failure = std::move(parsed.failure);
    return result;
  }
  window.width = std::clamp(window.width, 1, 16384);
  window.height = std::clamp(window.height, 1, 16384);
  Player player(ws, window, result);
  player.Start();
  for (const ScriptStep& s : parsed.steps)
    if (!player.Play(s)) break;
  result.unusedAnswers = player.pendingAnswers();
  return result;
}

}  // namespace velt
