#include "ui/stoppable_work.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "geometry/recompute.h"

namespace velt {

WorkEnd RunStoppable(const StoppableWork& work, BusyWindow* window, const BusyTiming& timing) {
  std::atomic<bool> stop{false};
  if (!window) {
    work(&stop);
    return WorkEnd::Finished;
  }
  std::mutex m;
  std::condition_variable ended;
  bool done = false;
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      work(&stop);
    } catch (...) {
      failure = std::current_exception();
    }
    const std::lock_guard<std::mutex> lock(m);
    done = true;
    ended.notify_one();
  });
  bool busy = false;
  {
    std::unique_lock<std::mutex> lock(m);
    if (!ended.wait_for(lock, timing.busyAfter, [&] { return done; })) {
      lock.unlock();
      window->ShowBusy(true);
      busy = true;
      lock.lock();
      while (!done) {
        lock.unlock();
        window->ReadInput(stop);
        lock.lock();
        ended.wait_for(lock, timing.readEvery, [&] { return done; });
      }
    }
  }
  worker.join();
  if (busy) window->ShowBusy(false);
  if (failure) std::rethrow_exception(failure);
  return stop.load() ? WorkEnd::Stopped : WorkEnd::Finished;
}

WorkEnd RecomputeStoppable(Document& doc, BusyWindow* window, const BusyTiming& timing) {
  return RunStoppable(
      [&doc](const std::atomic<bool>* stop) { RecomputeAll(doc, nullptr, false, nullptr, stop); },
      window, timing);
}

}  // namespace velt
