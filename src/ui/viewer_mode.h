#pragma once
// The viewer mode ("Modo visor"): the tool bars give way to a reduced bar for looking at a
// figure (the move tool, zoom, animation, "Ver lo oculto", moving the screen and leaving the
// mode). The user's settings of the four bars stay as they were and come back when the mode
// is left; they are also what the options file keeps meanwhile.
#include <span>
#include <string_view>

#include "ui/tool_table.h"

namespace velt {

// The user's choice for each bar (the checks of the "Ver" menu).
struct BarSettings {
  bool mainBar = true;
  bool editBar = true;
  bool documentBar = true;
  bool statusBar = true;
  bool operator==(const BarSettings&) const = default;
};

// What the window shows.
struct ShownBars {
  BarSettings bars;
  bool viewerBar = false;
  bool operator==(const ShownBars&) const = default;
};

// The bars shown for the user's settings: in viewer mode the viewer bar instead of the three
// tool bars (the status bar as set); with no document open, no tool bar and no status bar.
ShownBars BarsToShow(const BarSettings& settings, bool viewerMode, bool documentOpen);

// The bar switches of the "Ver" menu act only outside the viewer mode (inside it the mode
// owns the bars, and the settings kept for normal mode must not drift).
inline bool BarSwitchesEnabled(bool viewerMode) { return !viewerMode; }

// The window placement goes to the settings store at exit only outside the viewer mode.
inline bool StoresPlacementAtExit(bool viewerMode) { return !viewerMode; }

// What a button of the viewer bar does.
enum class ViewerAction { ChooseTool, ShowHidden, MoveScreen, Leave };

struct ViewerButton {
  std::string_view name;  // B_visor_...
  ViewerAction action;
  Tool tool = Tool::Sel;  // for ChooseTool
};

// The buttons of the viewer bar, in order.
std::span<const ViewerButton> ViewerButtons();

// The viewer button pressed together with a tool's own button; empty for a tool that has none.
std::string_view ViewerButtonOf(Tool tool);

}  // namespace velt
