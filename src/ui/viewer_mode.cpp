#include "ui/viewer_mode.h"

namespace velt {

ShownBars BarsToShow(const BarSettings& settings, bool viewerMode, bool documentOpen) {
  ShownBars shown;
  if (!documentOpen) return shown;
  shown.bars.statusBar = settings.statusBar;
  if (viewerMode) {
    shown.viewerBar = true;
    shown.bars.mainBar = shown.bars.editBar = shown.bars.documentBar = false;
    return shown;
  }
  shown.bars = settings;
  return shown;
}

std::span<const ViewerButton> ViewerButtons() {
  static const ViewerButton kButtons[] = {
      {"B_visor_movsel", ViewerAction::ChooseTool, Tool::Sel},
      {"B_visor_zoom", ViewerAction::ChooseTool, Tool::B_zoom},
      {"B_visor_anima", ViewerAction::ChooseTool, Tool::B_anim},
      {"B_visor_todoelem", ViewerAction::ShowHidden},
      {"B_visor_muepan", ViewerAction::MoveScreen},
      {"B_visor_salirvisor", ViewerAction::Leave},
  };
  return kButtons;
}

std::string_view ViewerButtonOf(Tool tool) {
  for (const ViewerButton& b : ViewerButtons())
    if (b.action == ViewerAction::ChooseTool && b.tool == tool) return b.name;
  return {};
}

}  // namespace velt
