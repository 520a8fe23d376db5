#include "cli/commands.h"

namespace velt::cli {

// Each subcommand's function lives in its own <name>_command.cpp; add one line per command.
int RunVersion(const Args& args);
int RunEval(const Args& args);

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"version", "version", RunVersion},
      {"eval", "eval EXPR [--angle RAD|DEG|GRA]", RunEval},
  };
  return commands;
}

}  // namespace velt::cli
