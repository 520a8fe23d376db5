#pragma once
// The macro being defined or applied: the initial and final lists chosen with tools 52 and
// 53, and the macro chosen for tool 51. They live outside the document and go whenever a
// tool other than 51, 52 or 53 is chosen.
#include <string>
#include <vector>

#include "model/element.h"

namespace velt {

struct MacroSession {
  std::vector<Element*> initials;  // as picked, in order
  std::vector<Element*> finals;
  int chosen = -1;         // the macro applied by tool 51, an index of the document's table
  std::string lastFolder;  // where macro files were last saved or loaded (kept by Clear)

  void Clear() {
    initials.clear();
    finals.clear();
    chosen = -1;
  }
};

}  // namespace velt
