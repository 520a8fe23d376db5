#pragma once
// Where the main window goes when it leaves full screen or starts from a stored placement: the
// remembered rectangle if its position is still on the screen, otherwise centred there (a
// placement stored on a screen that is gone must not leave the window out of sight).
#include <cstdint>

namespace velt {

struct WindowRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const WindowRect&) const = default;
};

// The rectangle for `remembered` on a screen whose usable area is `screen`: unchanged when
// its top-left corner lies on the screen; otherwise centred on the screen, no larger than it.
// A remembered rectangle without area takes the screen's centre with half its size.
WindowRect PlaceOnScreen(const WindowRect& remembered, const WindowRect& screen);

// The window state stored with a placement (0 normal, 1 minimised, 2 maximised) as the window
// starts with it: a window never starts minimised, out of the user's reach.
int StartingWindowState(int32_t stored);

}  // namespace velt
