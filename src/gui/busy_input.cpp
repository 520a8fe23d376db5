#include "busy_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>

namespace velt {
namespace {

// Events that carry the user's input or could start work on the document.
bool Withheld(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Close:
    case QEvent::Timer: return true;
    default: return false;
  }
}

}  // namespace

BusyInput::BusyInput(QWidget* plane, QObject* parent) : QObject(parent), plane_(plane) {}

BusyInput::~BusyInput() {
  if (busy_) ShowBusy(false);
}

void BusyInput::ShowBusy(bool on) {
  if (on == busy_) return;
  busy_ = on;
  if (on) {
    planeResized_ = false;
    held_ = QGuiApplication::mouseButtons();
    releases_.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
    return;
  }
  qApp->removeEventFilter(this);
  stop_ = nullptr;
  QApplication::restoreOverrideCursor();
  // What was held back arrives once the caller has returned to the event loop: the plane
  // catches up with its size, the held buttons are released.
  if (planeResized_ && plane_)
    QCoreApplication::postEvent(plane_, new QResizeEvent(plane_->size(), plane_->size()));
  for (auto& [target, release] : releases_)
    if (target) QCoreApplication::postEvent(target, release.release());
  releases_.clear();
}

void BusyInput::ReadInput(std::atomic<bool>& stop) {
  stop_ = &stop;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool BusyInput::eventFilter(QObject* watched, QEvent* event) {
  if (!busy_) return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && stop_)
    *stop_ = true;
  if (type == QEvent::MouseButtonRelease) {
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (held_ & button) {
      held_ &= ~button;
      releases_.emplace_back(watched, event->clone());
    }
    return true;
  }
  if (type == QEvent::Resize && watched == plane_) {
    planeResized_ = true;
    return true;
  }
  return Withheld(type);
}

}  // namespace velt
