#pragma once
// TV_animac: the small stay-on-top window of the animation tool. One line per entry of the
// document's animation list, its playing and direction switches and its speed, the pause of
// the whole animation. Its clock is a single-shot timer of the window's thread, armed again
// after each tick, so that ticks come at most every 30 ms and never overlap.
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "ui/workspace.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QSlider;

namespace velt {

struct AnimationHooks {
  std::function<void()> repaint;          // draw the figure again
  std::function<void()> closed;           // the user closed the window: the move tool
  std::function<void()> commandsChanged;  // the undo history changed
  std::function<void(bool)> holdTraces;   // traces leave marks while the window is shown
};

class TV_animac : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTickMs = 30;

  TV_animac(Workspace& ws, AnimationHooks hooks, QWidget* parent = nullptr);

  // The animation tool was chosen: entries that can no longer move go, one undo step is
  // stored when some remain, and the window shows and starts its clock.
  void Open();
  // Another tool was chosen: the clock stops and the window hides; the entries stay.
  void Suspend();
  // The list changed (the tool, undo): the lines again, with `shown` chosen when given.
  void Refresh(const Element* shown = nullptr);
  // One tick: every playing entry moves one step and the figure is recomputed and drawn.
  void Tick();
  // Whether the clock runs: entries exist, the window is shown and the pause is up.
  bool running() const { return clock_.isActive(); }

 protected:
  void reject() override;  // Escape and B_cancel

 private:
  Animation* Entry() const;
  void ShowEntry();
  void SetSpeed(int speed);
  void UpdateClock();
  void ClockFired();
  void PlaceAtBottom();

  Workspace& ws_;
  AnimationHooks hooks_;
  QTimer clock_;
  QElapsedTimer sinceTick_;
  bool holding_ = false;
  bool updating_ = false;
  QComboBox* cb_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* direction_ = nullptr;
  QPushButton* pause_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* ok_ = nullptr;
  QSlider* tb_ = nullptr;
  QLineEdit* edit_ = nullptr;
  QScrollBar* upDown_ = nullptr;
};

}  // namespace velt
