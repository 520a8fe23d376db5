// Long work the user may stop: when the busy cursor shows, how Escape stops the work, and
// the figure a stopped recompute leaves.
#include "ui/stoppable_work.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <thread>
#include <vector>

#include "expr/calculation.h"
#include "expr/token_codes.h"
#include "geometry/graph_sampling.h"
#include "geometry/recompute.h"
#include "support/builders.h"
#include "ui/parameter_edit.h"

namespace velt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Records what the work asked of the window; "presses Escape" on its n-th reading.
class FakeBusyWindow : public BusyWindow {
 public:
  explicit FakeBusyWindow(int escapeOnRead = 0) : escapeOnRead_(escapeOnRead) {}
  std::vector<std::string> log;
  int reads = 0;
  std::thread::id readingThread;

  void ShowBusy(bool on) override { log.push_back(on ? "busy" : "idle"); }
  void ReadInput(std::atomic<bool>& stop) override {
    ++reads;
    readingThread = std::this_thread::get_id();
    if (reads == escapeOnRead_) stop = true;
  }

 private:
  int escapeOnRead_;
};

const BusyTiming kQuick{20ms, 2ms};

// Spins until stopped, at most `limit`.
StoppableWork Spin(std::chrono::milliseconds limit) {
  return [limit](const std::atomic<bool>* stop) {
    const auto end = Clock::now() + limit;
    while (!stop->load() && Clock::now() < end) std::this_thread::sleep_for(1ms);
  };
}

TEST(StoppableWork, ShortWorkShowsNothingAndLongWorkShowsTheBusyCursorUntilItEnds) {
  FakeBusyWindow window;
  EXPECT_EQ(RunStoppable(Spin(0ms), &window, {2s, 2ms}), WorkEnd::Finished);
  EXPECT_TRUE(window.log.empty());
  EXPECT_EQ(window.reads, 0);

  FakeBusyWindow slow;
  EXPECT_EQ(RunStoppable(Spin(150ms), &slow, kQuick), WorkEnd::Finished);
  EXPECT_EQ(slow.log, (std::vector<std::string>{"busy", "idle"}));
  EXPECT_GE(slow.reads, 2);
  // The input is read on the calling thread (the window's), never on the worker.
  EXPECT_EQ(slow.readingThread, std::this_thread::get_id());
}

TEST(StoppableWork, EscapeStopsTheWorkSoon) {
  FakeBusyWindow window(3);
  const auto start = Clock::now();
  EXPECT_EQ(RunStoppable(Spin(60s), &window, kQuick), WorkEnd::Stopped);
  EXPECT_LT(Clock::now() - start, 10s);
  EXPECT_GE(window.reads, 3);  // the work may still be ending at the next reading
  EXPECT_EQ(window.log, (std::vector<std::string>{"busy", "idle"}));
}

TEST(StoppableWork, WithoutAWindowTheWorkRunsHereAndFailuresReachTheCaller) {
  std::thread::id ranOn;
  EXPECT_EQ(
      RunStoppable([&](const std::atomic<bool>*) { ranOn = std::this_thread::get_id(); }, nullptr),
      WorkEnd::Finished);
  EXPECT_EQ(ranOn, std::this_thread::get_id());

  FakeBusyWindow window;
  const StoppableWork failing = [](const std::atomic<bool>*) {
    throw std::runtime_error("out of memory");
  };
  EXPECT_THROW(RunStoppable(failing, &window, kQuick), std::runtime_error);
  EXPECT_THROW(RunStoppable(failing, nullptr), std::runtime_error);
}

// f0(x) = x + number/4, fk(x) = f(k-1)(x) + f(k-1)(x + 1): f15 makes 32,768 calls of f0, within
// the work allowance of one evaluation.
struct SlowFigure {
  std::unique_ptr<Document> doc = MakeDocument(Options{});
  Element *a = nullptr, *b = nullptr, *middle = nullptr, *number = nullptr, *twice = nullptr;
  Element *fastGraph = nullptr, *slowGraph = nullptr, *slowValue = nullptr, *afterSlow = nullptr;
  Element* lateMiddle = nullptr;

  Element* Expression(std::initializer_list<Element*> picks, const std::string& text, int32_t kind,
                      int32_t type) {
    Element* e = test::AddWithPicks(*doc, kind, picks);
    EXPECT_TRUE(expr::DefineExpression(*e, text, type)) << text;
    return e;
  }

  SlowFigure() {
    a = test::AddPoint(*doc, 0, 0);
    b = test::AddPoint(*doc, 100, 40);
    middle = test::Add(*doc, kMidpoint, {a, b});
    number = test::Add(*doc, kParameter, {});
    number->value[0] = 4;
    number->attr1 = expr::kValidNumber;
    twice = Expression({number}, "A*2", kCalculation, expr::kPlainCalculation);
    Element* axes = test::Add(*doc, kAxes, {test::AddPoint(*doc, 0, 0)});
    Element* sine = Expression({}, "SIN(X)", kFunction, expr::kYofX);
    fastGraph = test::Add(*doc, kFunctionGraph, {sine, axes}, {-3, 3, 0, 0});
    fastGraph->as<SampleExt>()->sampleCount = 50;
    Element* f = Expression({number}, "X+A/4", kFunction, expr::kYofX);
    for (int k = 1; k <= 15; ++k) f = Expression({f}, "F1(X)+F1(X+1)", kFunction, expr::kYofX);
    // About 4,000 evaluations of several milliseconds: tens of seconds unless stopped.
    slowGraph = test::Add(*doc, kFunctionGraph, {f, axes}, {-3, 3, 0, 0});
    slowGraph->as<SampleExt>()->sampleCount = 2000;
    slowValue = Expression({f}, "F1(1)", kCalculation, expr::kPlainCalculation);
    afterSlow = Expression({twice}, "A+1", kCalculation, expr::kPlainCalculation);
    lateMiddle = test::Add(*doc, kMidpoint, {b, a});
  }
};

TEST(StoppableWork, AStoppedRecomputeLeavesEveryElementFollowingItsParentsOrWithoutValue) {
  SlowFigure f;
  f.a->value[0] = 20;  // moved since the last recompute
  f.a->value[1] = 10;
  FakeBusyWindow window(1);
  const auto start = Clock::now();
  EXPECT_EQ(RecomputeStoppable(*f.doc, &window, {100ms, 5ms}), WorkEnd::Stopped);
  EXPECT_LT(Clock::now() - start, 10s);
  // Geometry follows its parents before and after the slow element; numbers worked out
  // before the stop keep their values.
  EXPECT_EQ(f.middle->value[0], 60);
  EXPECT_EQ(f.middle->value[1], 25);
  EXPECT_EQ(f.lateMiddle->value[0], 60);
  EXPECT_EQ(f.lateMiddle->value[1], 25);
  EXPECT_EQ(f.twice->value[0], 8);
  EXPECT_EQ(f.twice->attr1, expr::kValidNumber);
  // A graph finished before the stop keeps its curve.
  const SampleExt& fast = *f.fastGraph->as<SampleExt>();
  ASSERT_EQ(fast.y1.size(), 50u);
  EXPECT_NEAR(fast.y2[10], std::sin(-3 + 6.0 * 10 / 49), 1e-12);
  EXPECT_EQ(fast.colours[10], 0);
  // The graph the stop cut short shows nothing rather than part of its curve; the number
  // after it has no value.
  const SampleExt& slow = *f.slowGraph->as<SampleExt>();
  ASSERT_EQ(slow.colours.size(), 2000u);
  for (size_t i = 0; i < slow.colours.size(); ++i) {
    ASSERT_EQ(slow.colours[i], kLocusGap) << i;
    ASSERT_EQ(slow.y1[i], kGraphInvalidY) << i;
  }
  EXPECT_EQ(f.slowValue->exists, 1);
  EXPECT_EQ(f.slowValue->attr1, expr::kNumberWithoutValue);
  // The stop holds to the end of the pass: every later evaluation fails, even a quick one.
  EXPECT_EQ(f.afterSlow->attr1, expr::kNumberWithoutValue);
}

TEST(StoppableWork, TheParameterSliderStopsOnEscapeToo) {
  SlowFigure f;
  ParameterEdit edit(*f.doc, *f.number);
  FakeBusyWindow window(1);
  edit.SetBusyWindow(&window);
  const auto start = Clock::now();
  edit.SlideTo(750);
  EXPECT_LT(Clock::now() - start, 10s);
  EXPECT_EQ(window.log, (std::vector<std::string>{"busy", "idle"}));
  EXPECT_NE(f.number->value[0], 4);
  EXPECT_EQ(f.twice->value[0], 2 * f.number->value[0]);
  for (int32_t colour : f.slowGraph->as<SampleExt>()->colours) ASSERT_EQ(colour, kLocusGap);
}

TEST(StoppableWork, ALocusSampledAfterTheStopShowsNothing) {
  // M, the midpoint of O and P, traced while P runs on a circle.
  std::unique_ptr<Document> doc = MakeDocument(Options{});
  Element* o = test::AddPoint(*doc, 10, 20);
  Element* c = test::AddPoint(*doc, 100, 50);
  Element* circle = test::Add(*doc, kCircleCentrePoint, {c, test::AddPoint(*doc, 160, 50)});
  Element* p = test::Add(*doc, kPointOnElement, {circle}, {0, 0, 0, 0.3});
  Element* m = test::Add(*doc, kMidpoint, {o, p});
  Element* locus = test::Add(*doc, kLocus, {m, p});
  locus->as<SampleExt>()->sampleCount = 40;
  std::atomic<bool> stop{false};
  RecomputeAll(*doc, nullptr, false, nullptr, &stop);
  ASSERT_EQ(locus->as<SampleExt>()->recorded, 40);
  EXPECT_NEAR(std::hypot(locus->as<SampleExt>()->x1[7] - 55, locus->as<SampleExt>()->y1[7] - 35),
              30, 1e-9);
  stop = true;
  RecomputeAll(*doc, nullptr, false, nullptr, &stop);
  EXPECT_EQ(locus->exists, 1);
  EXPECT_EQ(locus->as<SampleExt>()->recorded, 0);
  // The sweep put its driver back where it was.
  EXPECT_NEAR(p->value[3], 0.3, 1e-12);
}

}  // namespace
}  // namespace velt
