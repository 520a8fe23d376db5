// The animation window with its tool, its clock and its controls, and the step-by-step replay
// window, on the offscreen platform.
#include "animation_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <cmath>

#include "anim/animation.h"
#include "main_window.h"
#include "model/create.h"
#include "model/undo.h"
#include "plane_widget.h"
#include "replay_window.h"
#include "ui/strings_animation.h"

namespace velt {
namespace {

// Lets the event loop run until the condition holds or two seconds have passed.
template <class F>
bool WaitFor(F&& condition) {
  for (int waited = 0; waited < 2000 && !condition(); waited += 10) QTest::qWait(10);
  return condition();
}

struct Figure {
  MainWindow w;
  Element *a = nullptr, *b = nullptr, *seg = nullptr, *p = nullptr;
  Figure() {
    w.resize(900, 700);
    w.show();
    QApplication::processEvents();
    Document& d = doc();
    ElementTemplate t;
    t.kind = kFreePoint;
    t.value = {0, 0, 0, 0};
    a = MakeElementFromTemplate(d, t, {});
    t.kind = kFreePoint;
    t.value = {100, 0, 0, 0};
    b = MakeElementFromTemplate(d, t, {});
    t.kind = kSegment;
    t.parent = {a, b, nullptr};
    seg = MakeElementFromTemplate(d, t, {});
    t.kind = kPointOnElement;
    t.parent = {seg, nullptr, nullptr};
    t.value = {0, 0, 0, 0.5};
    p = MakeElementFromTemplate(d, t, {});
    w.workspace().RecomputeAll();
  }
  Document& doc() { return w.workspace().doc(); }
  TV_animac& anim() { return *w.animationWindow(); }
  template <class T>
  T* Child(const char* name) {
    return anim().findChild<T*>(name);
  }
};

TEST(AnimationWindow, ShowsWithItsToolTicksAndHidesWithAnotherTool) {
  Figure f;
  f.doc().figure->animations.push_back(Animation{f.p, 1, 0, 10});
  const int steps = f.doc().undo.position;
  f.w.interaction().SelectTool(Tool::B_anim);
  ASSERT_TRUE(f.anim().isVisible());
  EXPECT_EQ(f.anim().objectName(), "TV_animac");
  EXPECT_EQ(f.doc().undo.position, steps + 1) << "showing the window stores one step";
  EXPECT_TRUE(f.anim().running());
  EXPECT_EQ(f.Child<QComboBox>("CB")->count(), 1);
  EXPECT_EQ(f.Child<QLineEdit>("Ed_vel")->text(), "10");
  // The clock ticks by itself: speed 10 moves the point one unit of 100 per tick.
  EXPECT_TRUE(WaitFor([&] { return f.p->value[3] > 0.5 + 0.02; }));
  const double t = f.p->value[3];
  EXPECT_NEAR(f.p->x(), 100 * t, 1e-9);
  // Pause stops the clock; another tool hides the window and keeps the entries.
  f.Child<QPushButton>("B_pausa")->click();
  EXPECT_FALSE(f.anim().running());
  f.Child<QPushButton>("B_pausa")->click();
  EXPECT_TRUE(f.anim().running());
  f.w.interaction().SelectTool(Tool::Sel);
  EXPECT_FALSE(f.anim().isVisible());
  EXPECT_FALSE(f.anim().running());
  EXPECT_EQ(f.doc().figure->animations.size(), 1u);
  // One undo returns to the figure as it was before the animation.
  f.w.interaction().UndoCommand();
  EXPECT_DOUBLE_EQ(f.doc().figure->animations[0].element->value[3], 0.5);
}

TEST(AnimationWindow, ControlsChangeTheShownEntry) {
  Figure f;
  f.doc().figure->animations.push_back(Animation{f.p, 1, 0, 10});
  f.w.interaction().SelectTool(Tool::B_anim);
  f.Child<QPushButton>("B_pausa")->click();  // ticks by hand only
  Animation& a = f.doc().figure->animations[0];
  // Speeds above 100 become 100 in the edit field; the track bar follows.
  QLineEdit* edit = f.Child<QLineEdit>("Ed_vel");
  edit->clear();
  QTest::keyClicks(edit, "250");
  EXPECT_EQ(a.speed, 100);
  EXPECT_EQ(f.Child<QSlider>("TB")->value(), 100);
  f.Child<QSlider>("TB")->setValue(20);
  EXPECT_EQ(a.speed, 20);
  EXPECT_EQ(edit->text(), "20");
  f.Child<QPushButton>("B_sentido")->click();
  EXPECT_EQ(a.reversed, 1);
  f.anim().Tick();
  EXPECT_NEAR(f.p->value[3], 0.5 - 4.0 / 100, 1e-12);
  f.Child<QPushButton>("B_play")->click();
  EXPECT_EQ(a.playing, 0);
  f.anim().Tick();
  EXPECT_NEAR(f.p->value[3], 0.46, 1e-12);
  // Removing the only entry stops all motion.
  f.Child<QPushButton>("B_pausa")->click();
  f.Child<QPushButton>("B_stop")->click();
  EXPECT_TRUE(f.doc().figure->animations.empty());
  EXPECT_FALSE(f.anim().running());
  // OK closes the window and chooses the move tool.
  f.Child<QPushButton>("B_cancel")->click();
  EXPECT_FALSE(f.anim().isVisible());
  EXPECT_EQ(f.w.interaction().tool(), Tool::Sel);
}

struct Shown {
  const Element* stopAt = nullptr;
  const Element* highlight = nullptr;
  int calls = 0;
};

ReplayHooks Hooks(Shown& shown, bool answer, int& cuts) {
  ReplayHooks h;
  h.show = [&shown](const Element* stop, const Element* hl) {
    shown.stopAt = stop;
    shown.highlight = hl;
    ++shown.calls;
  };
  h.ask = [answer](const std::string&) { return answer; };
  h.cut = [&cuts] { ++cuts; };
  return h;
}

TEST(ReplayWindow, WalksTheStepsWithButtonsTrackBarAndTimer) {
  Figure f;
  Shown shown;
  int cuts = 0;
  TPaP r(f.w.workspace(), Hooks(shown, false, cuts));
  EXPECT_EQ(r.objectName(), "TPaP");
  ASSERT_EQ(r.replay().count(), 4);
  EXPECT_EQ(shown.highlight, f.a);
  EXPECT_EQ(shown.stopAt, f.b);
  auto* label = r.findChild<QLabel*>("Label1");
  EXPECT_TRUE(
      label->text().startsWith(QString::fromStdString(f.w.workspace().Text(30 + kFreePoint))));
  r.findChild<QPushButton*>("B_Unoadel")->click();
  EXPECT_EQ(shown.highlight, f.b);
  EXPECT_EQ(r.findChild<QSlider*>("TB")->value(), 2);
  r.findChild<QSlider*>("TB")->setValue(4);
  EXPECT_EQ(shown.highlight, f.p);
  EXPECT_EQ(shown.stopAt, nullptr) << "the last step shows the whole construction";
  r.findChild<QPushButton*>("B_Primero")->click();
  EXPECT_EQ(r.replay().position(), 1);
  // The timer: "2.0 s." is 2000 ms; 0.1 s. runs the steps by itself up to the last.
  auto* intervals = r.findChild<QComboBox*>("CB_vanim");
  EXPECT_EQ(intervals->currentIndex(), 4);
  EXPECT_EQ(r.interval(), 500);
  intervals->setCurrentIndex(10);
  EXPECT_EQ(r.interval(), 2000);
  intervals->setCurrentIndex(14);
  EXPECT_EQ(r.interval(), 10000);
  intervals->setCurrentIndex(0);
  r.findChild<QPushButton*>("B_anima")->click();
  EXPECT_TRUE(r.timerRunning());
  EXPECT_TRUE(WaitFor([&] { return r.replay().atLast(); }));
  // Answering No keeps everything.
  r.findChild<QPushButton*>("B_Unoatras")->click();
  r.findChild<QPushButton*>("Aceptar")->click();
  EXPECT_FALSE(r.timerRunning());
  EXPECT_EQ(cuts, 0);
  EXPECT_EQ(f.doc().elements().size(), 4u);
  r.reject();
  EXPECT_EQ(shown.highlight, nullptr);
  EXPECT_EQ(shown.stopAt, nullptr);
}

TEST(ReplayWindow, KeepingAStepCutsTheListInOneUndoStep) {
  Figure f;
  Shown shown;
  int cuts = 0;
  f.w.workspace().options.stepFromFirst = 0;  // start at the last step
  TPaP r(f.w.workspace(), Hooks(shown, true, cuts));
  EXPECT_TRUE(r.replay().atLast());
  r.findChild<QPushButton*>("B_Unoatras")->click();
  r.findChild<QPushButton*>("B_Unoatras")->click();
  const int steps = f.doc().undo.position;
  r.findChild<QPushButton*>("Aceptar")->click();
  EXPECT_EQ(cuts, 1);
  ASSERT_EQ(f.doc().elements().size(), 2u);
  EXPECT_EQ(f.doc().last(), f.b);
  EXPECT_EQ(f.doc().undo.position, steps + 1);
  ASSERT_TRUE(Undo(f.doc()));
  EXPECT_EQ(f.doc().elements().size(), 4u);
}

TEST(ReplayWindow, NoVisibleElementsSaysSo) {
  Figure f;
  for (auto& e : f.doc().elements()) e->visibility = 0;
  Shown shown;
  int cuts = 0;
  TPaP r(f.w.workspace(), Hooks(shown, true, cuts));
  EXPECT_EQ(r.findChild<QLabel*>("Label1")->text().toStdString(),
            f.w.workspace().Text(str::kReplayNoSteps));
  EXPECT_FALSE(r.findChild<QPushButton*>("B_Unoadel")->isEnabled());
  EXPECT_EQ(shown.calls, 0);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

// The colour of the plane's picture at a plane position.
QRgb PixelAt(MainWindow& w, double x, double y) {
  const Document& d = w.workspace().doc();
  return w.plane()->picture().pixel(static_cast<int>(std::lround(x - d.viewLeft)),
                                    static_cast<int>(std::lround(d.viewTop - y)));
}

TEST(AnimationWindow, TracedElementsLeaveMarksWhileItIsShown) {
  Figure f;
  f.seg->visibility = 0;  // only the running point is drawn on the segment's line
  f.doc().figure->traces = {f.p};
  f.doc().figure->animations.push_back(Animation{f.p, 1, 0, 10});
  f.w.Repaint();
  const QRgb background = PixelAt(f.w, 30, 40);
  ASSERT_NE(PixelAt(f.w, 50, 0), background) << "the point is drawn";
  // Without the window the point moves and leaves nothing behind.
  for (int i = 0; i < 10; ++i) {
    AnimationTick(f.doc());
    f.w.Repaint();
  }
  EXPECT_EQ(PixelAt(f.w, 52, 0), background);
  // With it every tick adds the point's mark.
  f.w.interaction().SelectTool(Tool::B_anim);
  f.Child<QPushButton>("B_pausa")->click();
  for (int i = 0; i < 10; ++i) f.anim().Tick();
  EXPECT_NEAR(f.p->x(), 70, 1e-9);
  EXPECT_NE(PixelAt(f.w, 62, 0), background);
  EXPECT_EQ(PixelAt(f.w, 52, 0), background);
}

}  // namespace
}  // namespace velt
