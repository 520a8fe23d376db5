// Playing construction scripts on the interaction, as the window's events would.
#include <algorithm>
#include <cstdio>

#include "anim/animation.h"
#include "geometry/recompute.h"
#include "ui/construction_script.h"
#include "ui/macro_commands.h"
#include "ui/overlay.h"
#include "ui/strings_buttons.h"
#include "ui/parameter_edit.h"
#include "ui/strings_macros.h"
#include "ui/strings_numbers.h"
#include "ui/strings_scripts.h"
#include "view/viewport.h"

namespace velt {
namespace {

class Player {
 public:
  Player(Workspace& ws, ScriptSettings settings, ScriptResult& result)
      : ws_(ws),
        settings_(settings),
        result_(result),
        host_([this](const std::string& m) { result_.messages.push_back(m); }),
        ix_(ws, host_) {
    host_.SetParameterAnswer([this](Element& parameter, const std::string& answer) {
      AnswerParameterDialog(
          ws_.doc(), parameter, answer, [this] { ix_.StoreEditStep(); },
          [this](int) { result_.messages.push_back(ws_.Text(str::kInvalidInput)); });
    });
  }

  void Start() {
    Document& d = ws_.doc();
    ws_.clientWidth = settings_.width;
    ws_.clientHeight = settings_.height;
    ViewState view;
    view.screenWidth = view.clientWidth = settings_.width;
    view.screenHeight = view.clientHeight = settings_.height;
    ApplyViewInvariant(d, view);
    RecomputeAll(d);
    ix_.DocumentChanged();
  }

  std::size_t pendingAnswers() const { return host_.pendingAnswers(); }

  // False, with the failure of the step's line, once the undo history holds too much.
  bool WithinBudget(const ScriptStep& s) {
    const UndoHistory& h = ws_.doc().undo;
    if (h.count() != historyCount_ || h.position != historyPosition_) {
      historyCount_ = h.count();
      historyPosition_ = h.position;
      historyBytes_ = 0;
      for (const std::string& snapshot : h.snapshots) historyBytes_ += snapshot.size();
    }
    if (historyBytes_ <= settings_.undoBytes) return true;
    result_.failure = ScriptFailure{s.line, ws_.Text(str::kScriptTooMuchUndo)};
    return false;
  }

  // The timers that ran out since the last line.
  void RunTimers() {
    if (host_.TakeButtonTimer()) ix_.ButtonTimerTick();
  }

  // False when the step's position lies outside the window.
  bool Play(const ScriptStep& s) {
    RunTimers();
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
      case ScriptCommand::MacroComplete: CompleteMacro(ix_, ws_, host_, s.text); return true;
      case ScriptCommand::MacroChoose: {
        const int index = FindMacro(ws_.doc(), s.text);
        if (index < 0) {
          result_.failure = ScriptFailure{s.line, ws_.Text(str::kMacroNotFound) + ": " + s.text};
          return false;
        }
        ChooseMacro(ix_, ws_, host_, index);
        return true;
      }
      case ScriptCommand::MacroLoad: LoadMacroInto(ws_, host_, s.text); return true;
      case ScriptCommand::Move: {
        const auto p = Pixel(s, s.x1, s.y1);
        if (!p) return false;
        ix_.MouseMove(p->x, p->y, none, false);
        return true;
      }
      case ScriptCommand::Overlay: {
        // The picks as the window shows them while their blink is on.
        for (std::string& line : DescribeOverlay(BuildOverlay(ix_, ws_.doc(), true)))
          result_.overlay.push_back(std::move(line));
        return true;
      }
      case ScriptCommand::Press: return PressButton(s);
      case ScriptCommand::Tick:
        for (int i = 0; i < s.count; ++i) AnimationTick(ws_.doc());
        return true;
      case ScriptCommand::Expression:
        if (!ws_.calculator.open) {
          result_.failure = ScriptFailure{s.line, ws_.Text(str::kScriptNoCalculator)};
          return false;
        }
        ix_.ExecuteCalculator(s.text);
        return true;
      case ScriptCommand::FunctionType:
        ix_.SetFunctionType(static_cast<int32_t>(s.x1));
        return true;
    }
    return true;
  }

 private:
  // `press X Y`: the move tool's press on the active button there; a failure when there is
  // none.
  bool PressButton(const ScriptStep& s) {
    const auto p = Pixel(s, s.x1, s.y1);
    if (!p) return false;
    if (ix_.tool() != Tool::Sel) ix_.SelectTool(Tool::Sel);
    const KeyMods none{};
    ix_.MouseMove(p->x, p->y, none, false);
    const Element* under = ix_.detection().first();
    if (!under || ix_.detection().candidate || under->type() != kTypeButton || !under->attr1) {
      char detail[80];
      std::snprintf(detail, sizeof detail, "%g %g", s.x1, s.y1);
      result_.failure =
          ScriptFailure{s.line, ws_.Text(str::kScriptNoButton) + ": " + std::string(detail)};
      return false;
    }
    ix_.MouseDown(MouseButton::Left, p->x, p->y, none);
    ix_.MouseUp(MouseButton::Left, p->x, p->y, none);
    return true;
  }

  // The pixel of a plane position in the window, or the failure of its line.
  std::optional<PixelPointF> Pixel(const ScriptStep& s, double x, double y) {
    const PixelPointF p = WorldToPixelExact(MappingOf(ws_.doc()), x, y);
    if (p.x >= 0 && p.x <= settings_.width && p.y >= 0 && p.y <= settings_.height) return p;
    const WorldRect v = ViewRectOf(ws_.doc());
    char detail[160];
    std::snprintf(detail, sizeof detail, "%g %g (x %g .. %g, y %g .. %g)", x, y, v.left, v.right,
                  v.bottom, v.top);
    result_.failure =
        ScriptFailure{s.line, ws_.Text(str::kScriptOutsideWindow) + ": " + std::string(detail)};
    return std::nullopt;
  }

  Workspace& ws_;
  ScriptSettings settings_;
  int historyCount_ = -1, historyPosition_ = -1;
  std::size_t historyBytes_ = 0;
  ScriptResult& result_;
  ScriptedHost host_;
  Interaction ix_;
};

}  // namespace

ScriptResult RunScript(Workspace& ws, std::string_view text, ScriptSettings settings) {
  ScriptResult result;
  ParsedScript parsed = ParseScript(text, ws.language);
  if (parsed.failure) {
    result.failure = std::move(parsed.failure);
    return result;
  }
  settings.width = std::clamp(settings.width, 1, 16384);
  settings.height = std::clamp(settings.height, 1, 16384);
  Player player(ws, settings, result);
  player.Start();
  for (const ScriptStep& s : parsed.steps)
    if (!player.Play(s) || !player.WithinBudget(s)) break;
  player.RunTimers();
  result.unusedAnswers = player.pendingAnswers();
  return result;
}

}  // namespace velt
