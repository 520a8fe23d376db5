#pragma once
// What the iteration dialog shows and what the user answers; the window shows it as
// `TV_iterac` and scripts answer it with words (ui/tools_iteration.cpp).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velt {

struct IterationDialogState {
  std::vector<std::string> lines;  // one per set (or the initial set's label alone)
  int selected = -1;               // the line shown selected
  bool canAddDestination = false;
  bool canRemove = false;
  bool canChooseCount = false;
  bool canIterate = false;
};

enum class IterationAction { ChooseElements, AddDestination, Remove, ChooseCount, Iterate, Cancel };

struct IterationDialogAnswer {
  IterationAction action = IterationAction::Cancel;
  int line = -1;  // the list line selected when the button was pressed
};

// A script's answer: "choose N", "add", "remove N", "count", "iterate" or "cancel" (N a list
// line, 0 the initial set; without N the line shown selected). Nothing for other words.
std::optional<IterationDialogAnswer> ParseIterationAnswer(std::string_view text, int selected);

}  // namespace velt
