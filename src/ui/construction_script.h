#pragma once
// Construction scripts: one command a line, played on the same interaction as the window's
// pointer and keys, without a window. Positions are plane coordinates; they reach the
// interaction as the pixels of a window of the given size showing the document's view.
//
//   tool N | tool BUTTON          choose a tool by its number or its button name
//   click X Y | shift-click X Y | double-click X Y | right-click X Y
//   drag X1 Y1 X2 Y2              press, four moves with the button held, release
//   press X Y                     press the active button there with the move tool
//   key Escape|Left|Right|Up|Down|Plus|Minus|Delete
//   undo | redo | select-all | delete
//   answer TEXT                   the reply to the next dialog or question
//   macro-complete NAME           record the macro of the elements chosen with tools 52, 53
//   macro NAME                    choose a macro of the document for tool 51
//   macro-load FILE.mac           load a macro file into the document
//   move X Y                      the pointer moves there, no button held
//   overlay                       report what the window draws over the picture (picks,
//                                 previews, highlight, cursor message, selection rectangle)
//   tick N                        advance the document's animation N ticks
//   expression TEXT               type TEXT into the calculator (tools 42-44) and execute it
//   function-type N               choose the calculator's function type (1 y=f(x) .. 4 w=f(r))
//
// `#` starts a comment; blank lines are ignored. A dialog with no queued answer is cancelled.
// Timers (a pressed movement button popping up) run out before the next line.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/interaction.h"
#include "ui/scripted_host.h"
#include "ui/workspace.h"

namespace velt {

// Bounds on what a script may ask for.
inline constexpr std::size_t kScriptMaxBytes = 1 << 20;
inline constexpr int kScriptMaxLines = 20000;
inline constexpr std::size_t kScriptMaxLineLength = 4096;
inline constexpr double kScriptMaxCoordinate = 1e7;
inline constexpr int kScriptMaxTicks = 100000;
// Every gesture keeps a copy of the whole figure for undo, so a long script grows the history
// with the square of its length: it stops once the history holds this much.
inline constexpr std::size_t kScriptMaxUndoBytes = std::size_t{128} << 20;

enum class ScriptCommand {
  Tool,
  Click,
  ShiftClick,
  DoubleClick,
  RightClick,
  Drag,
  Key,
  Undo,
  Redo,
  SelectAll,
  Delete,
  Answer,
  MacroComplete,
  MacroChoose,
  MacroLoad,
  Move,
  Overlay,
  Press,
  Tick,
  Expression,
  FunctionType,
};

struct ScriptStep {
  int line = 0;  // 1-based line of the script
  ScriptCommand command = ScriptCommand::Undo;
  Tool tool = Tool::Sel;
  Key key = Key::Other;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // plane coordinates
  std::string text;                       // the answer, a macro's name or file
  int count = 0;                          // animation ticks
};

struct ScriptFailure {
  int line = 0;
  std::string reason;  // from the language table
};

struct ParsedScript {
  std::vector<ScriptStep> steps;
  std::optional<ScriptFailure> failure;  // the first line that cannot be read
};

// Reads the whole script; nothing is run.
ParsedScript ParseScript(std::string_view text, const LanguageTable& language);

// The tool a word names: a number of a tool, or a button name (exact, then ignoring case).
std::optional<Tool> ToolByWord(std::string_view word);

struct ScriptSettings {
  int width = 800, height = 600;  // the plane area of the window in pixels
  std::size_t undoBytes = kScriptMaxUndoBytes;
};

struct ScriptResult {
  std::vector<std::string> messages;     // what the window would have shown, in order
  std::vector<std::string> overlay;      // the lines of the `overlay` commands, in order
  std::optional<ScriptFailure> failure;  // set when a line could not be read or played
  std::size_t unusedAnswers = 0;         // answers no dialog asked for
};

// Plays the script on the workspace's current document. The document keeps the top-left
// corner of its view; the view takes the window's size. Nothing is played when a line cannot
// be read; a position outside the window, or an undo history grown beyond the settings, stops
// the script at its line.
ScriptResult RunScript(Workspace& ws, std::string_view text, ScriptSettings settings = {});

}  // namespace velt
