#pragma once
// The subcommands of velt-cli. Each lives in its own file and returns the exit code:
// 0 success, 1 usage, 2 not a valid file, 3 made by a newer version, 4 undefined value,
// 5 the output could not be written.
#include <string>
#include <vector>

namespace velt::cli {

using Args = std::vector<std::string>;  // the words after the subcommand

struct Command {
  const char* name;
  const char* usage;  // one line, e.g. "info FILE"
  int (*run)(const Args& args);
};

// Every subcommand; main.cpp dispatches through this list.
const std::vector<Command>& AllCommands();

}  // namespace velt::cli
