#include "ui/window_placement.h"

#include <algorithm>

namespace velt {

WindowRect PlaceOnScreen(const WindowRect& remembered, const WindowRect& screen) {
  const bool onScreen = remembered.left >= screen.left && remembered.top >= screen.top &&
                        remembered.left < screen.left + screen.width &&
                        remembered.top < screen.top + screen.height;
  const bool sized = remembered.width > 0 && remembered.height > 0;
  if (onScreen && sized) return remembered;
  WindowRect r;
  r.width = sized ? std::min(remembered.width, screen.width) : screen.width / 2;
  r.height = sized ? std::min(remembered.height, screen.height) : screen.height / 2;
  r.left = screen.left + (screen.width - r.width) / 2;
  r.top = screen.top + (screen.height - r.height) / 2;
  return r;
}

int StartingWindowState(int32_t stored) { return stored == 2 ? 2 : 0; }

}  // namespace velt
