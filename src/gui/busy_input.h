#pragma once
// The window while a long recompute runs on its worker: the busy cursor, and the input read
// now and then, where Escape stops the work and everything else is dropped. Nothing that
// could reach the document is delivered meanwhile: input, closing, timers (they fire once
// the work has ended) and the plane's resizing (it is done again afterwards). A mouse button
// held down when the work began and released meanwhile gets its release afterwards, so no
// gesture keeps waiting for it.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "ui/stoppable_work.h"

namespace velt {

class BusyInput : public QObject, public BusyWindow {
 public:
  // The plane widget, whose resizing would resync the document's view.
  explicit BusyInput(QWidget* plane, QObject* parent = nullptr);
  ~BusyInput() override;

  void ShowBusy(bool on) override;
  void ReadInput(std::atomic<bool>& stop) override;
  bool busy() const { return busy_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> plane_;
  std::atomic<bool>* stop_ = nullptr;
  bool busy_ = false;
  bool planeResized_ = false;
  Qt::MouseButtons held_;  // down when the work began
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> releases_;
};

}  // namespace velt
