#include "cli/commands.h"

namespace velt::cli {

// Each subcommand's function lives in its own <name>_command.cpp; add one line per command.
int RunVersion(const Args& args);
int RunEval(const Args& args);
int RunInfo(const Args& args);
int RunDump(const Args& args);
int RunConvert(const Args& args);
int RunRender(const Args& args);
int RunBuild(const Args& args);
int RunAnimate(const Args& args);

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"version", "version", RunVersion},
      {"eval", "eval EXPR [--angle RAD|DEG|GRA]", RunEval},
      {"info", "info FILE", RunInfo},
      {"dump", "dump FILE [--move N=X,Y]...", RunDump},
      {"convert", "convert IN OUT", RunConvert},
      {"render", "render FILE -o OUT.png|OUT.svg|OUT.pdf|OUT.tex [--size WxH] [--centre]",
       RunRender},
      {"build", "build [--in IN.vlt] [--out OUT.vlt] [--size WxH] SCRIPT|-", RunBuild},
      {"animate", "animate FILE -o OUT.gif|OUT.png --frames N [--size WxH] [--centre]",
       RunAnimate},
  };
  return commands;
}

}  // namespace velt::cli
