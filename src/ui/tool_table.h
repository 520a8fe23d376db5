#pragma once
// The tools of the main window: their buttons, prompts and detection masks.
#include <array>
#include <cstdint>
#include <string_view>

#include "model/kinds.h"

namespace velt {

inline constexpr int kToolCount = 83;  // tools 0..82; 68..82 belong to the style buttons

// One value per element type: 0 = not pickable; for the punto type the number of points
// the tool still needs.
using DetectionMask = std::array<int8_t, kTypeCount>;

struct ToolInfo {
  std::string_view button;  // the toolbar button (the menu item is M_ + the same root)
  bool built = false;       // whether the tool works in this version
};

// The tool's row of the mask table (the state at the start of a gesture).
const DetectionMask& ToolMask(int tool);
const ToolInfo& Tool(int tool);
// Language-table numbers of the tool's status prompt and button hint.
int ToolPromptNumber(int tool);
int ToolHintNumber(int tool);

// Tools that act on every click on an element (and on a selection when chosen).
constexpr bool IsEditTool(int tool) {
  return (tool >= 60 && tool <= 65) || (tool >= 68 && tool <= 82);
}

}  // namespace velt
