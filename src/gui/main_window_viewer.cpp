// The viewer mode with its reduced tool bar, full screen, and the placement of the window
// when it leaves full screen or starts from the settings store.
#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include "main_window.h"
#include "texts.h"
#include "tool_icons.h"
#include "ui/strings_settings.h"
#include "ui/strings_window.h"
#include "ui/viewer_mode.h"
#include "ui/window_placement.h"

namespace velt {
namespace {

WindowRect ToRect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }
QRect ToQRect(const WindowRect& r) { return QRect(r.left, r.top, r.width, r.height); }

}  // namespace

void MainWindow::BuildViewerBar() {
  viewerBar_ = new QToolBar(this);
  addToolBar(Qt::TopToolBarArea, viewerBar_);
  SetText(viewerBar_, str::kViewerMode, ws_.language);
  viewerBar_->setObjectName("BarraVisor");
  viewerBar_->setIconSize(QSize(24, 24));
  viewerBar_->hide();
  for (const ViewerButton& b : ViewerButtons()) {
    QAction* a = nullptr;
    switch (b.action) {
      case ViewerAction::ChooseTool: a = ToolAction(b.tool); break;  // pressed with its tool
      case ViewerAction::ShowHidden: a = actions_["TodosElem1"]; break;
      case ViewerAction::MoveScreen:
        a = new QAction(CommandIcon("B_MuePan"), QString(), this);
        SetText(a, str::kMoveScreen, ws_.language);
        connect(a, &QAction::triggered, this, [this] { MoveScreenDialog(); });
        break;
      case ViewerAction::Leave:
        a = new QAction(CommandIcon("B_visor_salirvisor"), QString(), this);
        SetText(a, str::kViewerMode, ws_.language);
        connect(a, &QAction::triggered, this, [this] { SetViewerMode(false); });
        break;
    }
    viewerBar_->addAction(a);
    viewerBar_->widgetForAction(a)->setObjectName(QString::fromUtf8(b.name.data(), b.name.size()));
  }
}

void MainWindow::SetViewerMode(bool on) {
  ws_.viewerMode = on;
  if (QAction* a = actions_["M_modovisor"]) a->setChecked(on);
  // The bar switches keep the settings of normal mode while the mode owns the bars.
  for (const char* name : {"BarradeBotones1", "BotEdit1", "Botdocumento1", "BarrEst"})
    if (QAction* a = actions_[name]) a->setEnabled(BarSwitchesEnabled(on));
  ShowWorkspace(!ws_.documents.placeholder());
  ix_.SelectTool(Tool::Sel);
  Repaint();
}

void MainWindow::ToggleFullScreen() {
  if (isFullScreen()) {
    LeaveFullScreen();
  } else {
    fullScreenReturn_ = {normalGeometry(), isMaximized()};
    showFullScreen();
  }
  actions_["PantallaCom"]->setChecked(isFullScreen());
}

void MainWindow::LeaveFullScreen() {
  setWindowState(windowState() & ~Qt::WindowFullScreen);
  const QScreen* s = screen();
  const QRect work = s ? s->availableGeometry() : QRect();
  QRect back = fullScreenReturn_.normal;
  if (!work.isEmpty()) back = ToQRect(PlaceOnScreen(ToRect(back), ToRect(work)));
  if (fullScreenReturn_.maximized) {
    // The restored size is the one the window comes back to when it is no longer maximised.
    setGeometry(back);
    showMaximized();
  } else {
    showNormal();
    setGeometry(back);
  }
}

QRect MainWindow::RestoredGeometry() const {
  return isFullScreen() && fullScreenReturn_.normal.isValid() ? fullScreenReturn_.normal
                                                              : normalGeometry();
}

int MainWindow::RestoredState() const {
  if (isFullScreen()) return fullScreenReturn_.maximized ? 2 : 0;
  return isMaximized() ? 2 : isMinimized() ? 1 : 0;
}

void MainWindow::PlaceFromStore(const QRect& normal, int state, bool fullScreen) {
  const QScreen* s = screen();
  const QRect work = s ? s->availableGeometry() : QRect();
  // The stored edges are relative to the work area; a placement that is no longer on the
  // screen is centred there.
  QRect r = normal.translated(work.topLeft());
  if (!work.isEmpty()) r = ToQRect(PlaceOnScreen(ToRect(r), ToRect(work)));
  setGeometry(r);
  const bool maximized = StartingWindowState(state) == 2;
  if (fullScreen) {
    fullScreenReturn_ = {r, maximized};
    setWindowState(Qt::WindowFullScreen);
  } else if (maximized) {
    setWindowState(Qt::WindowMaximized);
  }
  if (QAction* a = actions_["PantallaCom"]) a->setChecked(fullScreen);
}

void MainWindow::RefreshCommandStates() {
  // Switching every trace off means something only when some element is traced.
  if (QAction* a = actions_["M_traza_desactivar"])
    a->setEnabled(!ws_.documents.placeholder() && !ws_.doc().figure->traces.empty());
}

}  // namespace velt
