#pragma once
// TPaP: the construction shown step by step. Each step draws the list up to one element,
// highlighted and described; the user walks with the buttons, the track bar or the timer,
// and may keep the construction at the step shown.
#include <QDialog>
#include <QTimer>
#include <functional>

#include "anim/replay.h"
#include "ui/workspace.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace velt {

struct ReplayHooks {
  // Draw the figure up to stopAt (null: all of it) with `highlight` marked, and repaint.
  std::function<void(const Element* stopAt, const Element* highlight)> show;
  // Ask the question with Yes and No; true for Yes.
  std::function<bool(const std::string& question)> ask;
  // The list was cut: the interaction forgets what it held, the commands are refreshed.
  std::function<void()> cut;
};

class TPaP : public QDialog {
  Q_OBJECT
 public:
  TPaP(Workspace& ws, ReplayHooks hooks, QWidget* parent = nullptr);

  const Replay& replay() const { return replay_; }
  // The timer interval chosen in CB_vanim, in milliseconds.
  int interval() const { return timer_.interval(); }
  bool timerRunning() const { return timer_.isActive(); }
  void done(int result) override;

 private:
  void ShowStep();
  void Go(bool changed);
  void Keep();  // Aceptar

  Workspace& ws_;
  ReplayHooks hooks_;
  Replay replay_;
  QTimer timer_;  // Timer1
  bool updating_ = false;
  QLabel* label_ = nullptr;
  QPushButton *first_ = nullptr, *previous_ = nullptr, *next_ = nullptr, *last_ = nullptr;
  QPushButton *animate_ = nullptr, *accept_ = nullptr, *cancel_ = nullptr;
  QSlider* tb_ = nullptr;
  QComboBox* intervals_ = nullptr;
};

}  // namespace velt
