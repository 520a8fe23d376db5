#include "main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>

#include "animation_window.h"
#include "busy_input.h"
#include "geometry/recompute.h"
#include "model/undo.h"
#include "plane_widget.h"
#include "recovery_session.h"
#include "ui/strings_files.h"
#include "ui/strings_window.h"
#include "ui/viewer_mode.h"

namespace velt {

MainWindow::MainWindow(const QString& startFile, QWidget* parent)
    : QMainWindow(parent), ws_(startFile.isEmpty()), ix_(ws_, *this) {
  setObjectName("Form1");
  setWindowTitle("VELT");
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  plane_ = new PlaneWidget(ws_, ix_, central);
  busy_ = new BusyInput(plane_, this);
  sbH_ = new QScrollBar(Qt::Horizontal, central);
  sbV_ = new QScrollBar(Qt::Vertical, central);
  sbH_->setObjectName("SB_h");
  sbV_->setObjectName("SB_v");
  for (QScrollBar* s : {sbH_, sbV_}) {
    s->setRange(0, ws_.View().scrollMax);
    s->setPageStep(50);
    connect(s, &QScrollBar::valueChanged, this, [this] { ScrollMoved(); });
  }
  grid->addWidget(plane_, 0, 0);
  grid->addWidget(sbV_, 0, 1);
  grid->addWidget(sbH_, 1, 0);
  setCentralWidget(central);
  connect(plane_, &PlaneWidget::resized, this, [this] { SyncScrollBars(); });

  blink_ = new QTimer(this);
  blink_->setInterval(180);
  connect(blink_, &QTimer::timeout, this, [this] { ix_.BlinkTick(); });
  buttonTimer_ = new QTimer(this);
  buttonTimer_->setSingleShot(true);
  connect(buttonTimer_, &QTimer::timeout, this, [this] { ix_.ButtonTimerTick(); });

  BuildAnimation();
  BuildMenus();
  BuildToolBars();
  BuildDocumentBar();
  BuildViewerBar();
  BuildStatusBar();
  resize(1000, 720);
  if (startFile.isEmpty() || !OpenFile(startFile)) {
    if (ws_.documents.count() == 0) ws_.NewDocument();
    ws_.CentreView(ws_.doc());
    AfterDocumentChange();
  }
  plane_->setFocus();
}

MainWindow::~MainWindow() = default;

QString MainWindow::T(int number) const { return QString::fromStdString(ws_.Text(number)); }

// ---- Host ------------------------------------------------------------------

QMessageBox::StandardButton MainWindow::Ask(const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::Icon icon) {
  if (messageHook_) return messageHook_(caption, text, buttons);
  QMessageBox box(icon, caption, text, buttons, this);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

SaveAnswer MainWindow::AskSaveChanges(Document& doc) {
  const QString caption = T(str::kCloseWord) + " - " + QString::fromStdString(doc.title);
  switch (Ask(caption, T(str::kSaveChanges),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question)) {
    case QMessageBox::Yes: return SaveAnswer::Yes;
    case QMessageBox::No: return SaveAnswer::No;
    default: return SaveAnswer::Cancel;
  }
}

bool MainWindow::SaveDocument(Document& doc) { return SaveCommand(doc, doc.fileName.empty()); }

void MainWindow::ShowMessage(const std::string& text, MessageIcon icon) {
  Ask("VELT", QString::fromStdString(text), QMessageBox::Ok,
      icon == MessageIcon::Error     ? QMessageBox::Critical
      : icon == MessageIcon::Warning ? QMessageBox::Warning
                                     : QMessageBox::Information);
}

void MainWindow::Repaint() {
  if (plane_) plane_->Redraw();
}

void MainWindow::SetStatus(int panel, const std::string& text) {
  if (panel >= 0 && panel < 3 && panels_[panel])
    panels_[panel]->setText(QString::fromStdString(text));
}

void MainWindow::SetBlinking(bool on) {
  if (!blink_) return;
  if (on && !blink_->isActive()) blink_->start();
  if (!on) blink_->stop();
}

void MainWindow::SetButtonTimer(int milliseconds) {
  if (!buttonTimer_) return;
  if (milliseconds > 0)
    buttonTimer_->start(milliseconds);
  else
    buttonTimer_->stop();
}

void MainWindow::ToolChanged(Tool tool) {
  auto it = toolActions_.find(tool);
  if (it != toolActions_.end()) it->second->setChecked(true);
  // The animation window shows with its tool and hides with any other.
  if (anim_ && tool == Tool::B_anim) {
    anim_->Open();
  } else if (anim_) {
    anim_->Suspend();
  }
}

void MainWindow::CommandsChanged() {
  const Document& d = ws_.doc();
  if (auto* a = actions_["M_undo"]) a->setEnabled(CanUndo(d));
  if (auto* a = actions_["M_redo"]) a->setEnabled(CanRedo(d));
  RefreshCommandStates();
  RefreshDocumentLists();
  if (anim_ && anim_->isVisible()) anim_->Refresh();  // undo may have changed the list
}

// ---- events ----------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* e) {
  ix_.BeforeDocumentChange();
  if (!ws_.documents.CloseAll(*this, ws_.options)) {
    AfterDocumentChange();
    e->ignore();
    return;
  }
  SaveWindowState();
  if (recovery_) recovery_->Clear();  // a clean exit leaves no copies behind
  e->accept();
}

namespace {

Key KeyOf(int key) {
  switch (key) {
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Plus: return Key::Plus;
    case Qt::Key_Minus: return Key::Minus;
    case Qt::Key_Control: return Key::Control;
    default: return Key::Other;
  }
}

}  // namespace

void MainWindow::keyPressEvent(QKeyEvent* e) {
  ix_.KeyDown(KeyOf(e->key()), ModsOf(e->modifiers()));
  Repaint();
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat()) ix_.KeyUp(KeyOf(e->key()));
}

// ---- documents ---------------------------------------------------------------

BusyWindow* MainWindow::Busy() { return busy_; }

void MainWindow::AfterDocumentChange() {
  Document& d = ws_.doc();
  ws_.SyncView(d);
  RecomputeStoppable(d, busy_);
  ix_.DocumentChanged();
  SyncScrollBars();
  RefreshDocumentLists();
  ShowWorkspace(!ws_.documents.placeholder());
  Repaint();
}

void MainWindow::NewDocumentCommand() {
  ix_.BeforeDocumentChange();
  if (!ws_.NewDocument()) {
    ShowMessage(ws_.Text(str::kTooManyDocuments), MessageIcon::Error);
    return;
  }
  AfterDocumentChange();
}

void MainWindow::CloseCommand() {
  ix_.BeforeDocumentChange();
  ws_.documents.CloseCurrent(*this, ws_.options);
  AfterDocumentChange();
}

void MainWindow::CloseAllCommand() {
  ix_.BeforeDocumentChange();
  ws_.documents.CloseAll(*this, ws_.options);
  AfterDocumentChange();
}

void MainWindow::SwitchToIndex(int i) {
  if (updatingLists_ || i < 0 || i >= ws_.documents.count()) return;
  if (ws_.documents.at(i) == ws_.documents.current()) return;
  ix_.BeforeDocumentChange();
  ws_.documents.SwitchTo(ws_.documents.at(i));
  AfterDocumentChange();
}

void MainWindow::RefreshDocumentLists() {
  if (!tabs_ || !combo_ || !docMenu_) return;
  updatingLists_ = true;
  while (tabs_->count()) tabs_->removeTab(0);
  combo_->clear();
  for (QAction* a : docGroup_->actions()) {
    docGroup_->removeAction(a);
    docMenu_->removeAction(a);
    a->deleteLater();
  }
  const int current = ws_.documents.indexOf(ws_.documents.current());
  for (int i = 0; i < ws_.documents.count(); ++i) {
    const QString title = QString::fromStdString(ws_.documents.at(i)->title);
    tabs_->addTab(title);
    combo_->addItem(title);
    QAction* a = docMenu_->addAction(title);
    a->setCheckable(true);
    a->setChecked(i == current);
    docGroup_->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] { SwitchToIndex(i); });
  }
  tabs_->setCurrentIndex(current);
  // The tab strip sits in a tool bar, which keeps the old width unless told.
  tabs_->adjustSize();
  combo_->setCurrentIndex(current);
  const QString title = QString::fromStdString(ws_.doc().title);
  setWindowTitle(
      ws_.documents.placeholder() ? "VELT" : "VELT - " + title + (ws_.doc().modified ? " *" : ""));
  updatingLists_ = false;
}

void MainWindow::ShowWorkspace(bool on) {
  auto checked = [this](const char* name) { return actions_[name]->isChecked(); };
  const BarSettings settings{checked("BarradeBotones1"), checked("BotEdit1"),
                             checked("Botdocumento1"), checked("BarrEst")};
  const ShownBars shown = BarsToShow(settings, ws_.viewerMode, on);
  if (mainBar_) mainBar_->setVisible(shown.bars.mainBar);
  if (editBar_) editBar_->setVisible(shown.bars.editBar);
  if (docBar_) docBar_->setVisible(shown.bars.documentBar);
  if (viewerBar_) viewerBar_->setVisible(shown.viewerBar);
  statusBar()->setVisible(shown.bars.statusBar);
  sbH_->setVisible(on);
  sbV_->setVisible(on);
  for (const char* name : {"M_menu_ver", "M_menu_edicion", "M_menu_construccion", "M_menu_medidas",
                           "M_menu_transformar", "M_menu_documento", "Guardar", "GuardarComo",
                           "M_cerrardoc", "M_cerrartodo", "M_ayuda_pagina"})
    if (auto it = actions_.find(name); it != actions_.end()) it->second->setEnabled(on);
  RefreshCommandStates();
}

// ---- view ------------------------------------------------------------------

void MainWindow::SyncScrollBars() {
  const ScrollPositions p = ScrollBarPositions(ws_.doc(), ws_.View());
  updatingScroll_ = true;
  sbH_->setValue(p.horizontal);
  sbV_->setValue(p.vertical);
  updatingScroll_ = false;
}

void MainWindow::ScrollMoved() {
  if (updatingScroll_) return;
  ws_.ScrollTo({sbH_->value(), sbV_->value()});
  ws_.doc().modified = 1;
  Repaint();
}

}  // namespace velt
