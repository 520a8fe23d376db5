// The animation window and the step-by-step replay of MainWindow.
#include "animation_window.h"
#include "main_window.h"
#include "plane_widget.h"
#include "replay_window.h"

namespace velt {

void MainWindow::BuildAnimation() {
  AnimationHooks hooks;
  hooks.repaint = [this] { Repaint(); };
  hooks.closed = [this] {
    ix_.SelectTool(Tool::Sel);
    plane_->setFocus();
  };
  hooks.commandsChanged = [this] { CommandsChanged(); };
  hooks.holdTraces = [this](bool on) { plane_->HoldTraces(on); };
  anim_ = new TV_animac(ws_, std::move(hooks), this);
}

void MainWindow::AnimationsChanged(const Element* shown) {
  if (anim_) anim_->Refresh(shown);
}

void MainWindow::ReplayCommand() {
  // The gesture ends first: nothing the interaction holds may be cut away.
  ix_.SelectTool(Tool::Sel);
  ReplayHooks hooks;
  hooks.show = [this](const Element* stopAt, const Element* highlight) {
    plane_->SetDrawLimit(stopAt);
    plane_->SetHighlight(highlight);
    Repaint();
  };
  hooks.ask = [this](const std::string& question) {
    return Ask("VELT", QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Warning) == QMessageBox::Yes;
  };
  hooks.cut = [this] { ix_.DocumentChanged(); };
  TPaP replay(ws_, std::move(hooks), this);
  replay.exec();
  plane_->setFocus();
}

}  // namespace velt
