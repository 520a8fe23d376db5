#pragma once
// Work on the figure that the user may stop. It runs on a worker thread while the calling
// thread waits; once it has taken longer than a moment, the window shows that it is busy and
// reads its input now and then, Escape stopping the work. The window does nothing else
// meanwhile: the document belongs to the worker until the work has ended.
#include <atomic>
#include <chrono>
#include <functional>

namespace velt {

struct Document;

// The window's side of a long piece of work.
class BusyWindow {
 public:
  virtual ~BusyWindow() = default;
  // The busy cursor on or off.
  virtual void ShowBusy(bool on) = 0;
  // Handles the input that arrived meanwhile without touching any document: Escape sets
  // `stop`; other input is dropped.
  virtual void ReadInput(std::atomic<bool>& stop) = 0;
};

struct BusyTiming {
  std::chrono::milliseconds busyAfter{300};  // shorter work never shows the busy cursor
  std::chrono::milliseconds readEvery{25};   // how often a busy window reads its input
};

enum class WorkEnd { Finished, Stopped };

// The work is given the flag that stops it; it must end soon after the flag is set.
using StoppableWork = std::function<void(const std::atomic<bool>* stop)>;

// Runs the work to its end. Without a window it runs on the calling thread and nothing stops
// it. An exception thrown by the work is thrown again here.
WorkEnd RunStoppable(const StoppableWork& work, BusyWindow* window, const BusyTiming& timing = {});

// The whole document recomputed so. A stopped pass still runs to its end, every evaluation
// failing at once: calculations then have no value, graphs show nothing, what is built on
// them does not exist, and everything else follows its parents as usual. Any later recompute
// brings the values back.
WorkEnd RecomputeStoppable(Document& doc, BusyWindow* window, const BusyTiming& timing = {});

}  // namespace velt
