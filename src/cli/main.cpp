// velt-cli: inspect, dump, convert and render VELT documents without a display.
#include <cstdio>
#include <cstring>

#include "cli/commands.h"
#include "cli/file_bytes.h"

namespace velt::cli {
namespace {

int Usage() {
  std::fprintf(stderr, "usage: velt-cli COMMAND ...\n");
  for (const Command& c : AllCommands()) std::fprintf(stderr, "  velt-cli %s\n", c.usage);
  return 1;
}

}  // namespace
}  // namespace velt::cli

int main(int argc, char** argv) {
  using namespace velt::cli;
  if (argc < 2) return Usage();
  for (const Command& c : AllCommands()) {
    if (std::strcmp(argv[1], c.name) == 0) ExitKeepingMemory(c.run(Args(argv + 2, argv + argc)));
  }
  return Usage();
}
