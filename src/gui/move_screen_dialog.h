#pragma once
// TMuePan, "Mover la pantalla": the whole plane in small, with the window's frame on it;
// dragging the frame moves the view, the track bar changes the plane size.
#include <QDialog>
#include <functional>

#include "ui/workspace.h"

namespace velt {

class TMuePan : public QDialog {
  Q_OBJECT
 public:
  TMuePan(Workspace& ws, std::function<void()> redraw, QWidget* parent = nullptr);
  // Restores the view and the plane size when the dialog was cancelled.
  void done(int result) override;

 private:
  Workspace& ws_;
  std::function<void()> redraw_;
  double savedLeft_, savedTop_, savedPlane_;
};

}  // namespace velt
