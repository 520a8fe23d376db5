#include <cstdio>

#include "cli/commands.h"

namespace velt::cli {

int RunVersion(const Args& args) {
  if (!args.empty()) return 1;
  std::printf("velt-cli 0.1 (document format 700)\n");
  return 0;
}

}  // namespace velt::cli
