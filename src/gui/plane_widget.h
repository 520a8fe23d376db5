#pragma once
// The drawing plane: shows the off-screen picture of the current document and forwards the
// pointer to the interaction.
#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>

#include "ui/interaction.h"
#include "view/viewport.h"

namespace velt {

class PlaneWidget : public QWidget {
  Q_OBJECT
 public:
  PlaneWidget(Workspace& ws, Interaction& ix, QWidget* parent = nullptr);
  ~PlaneWidget() override;
  // Draws the document and what the gesture shows over it into the picture, then updates.
  void Redraw();
  const QImage& picture() const { return picture_; }
  // The selection rectangle last pulled with the move tool, until the next press.
  const std::optional<WorldRect>& lastSelection() const { return lastSelection_; }
  // Redraws once with the trace picture cleared: the marks go, the traces stay on.
  void ClearTraces();
  // While a window that moves the figure by itself is shown (the animation window), traced
  // elements leave their marks at every redraw, as during a drag. Each holder says on and
  // off once.
  void HoldTraces(bool on) { traceHolders_ += on ? 1 : -1; }
  // The replay: only the elements before stopAt are drawn (null: all of them), with the
  // names of the elements drawn; the highlighted element is drawn in the selection colour.
  void SetDrawLimit(const Element* stopAt) { stopAt_ = stopAt; }
  void SetHighlight(const Element* e) { highlight_ = e; }

 signals:
  void resized();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;

 private:
  Workspace& ws_;
  Interaction& ix_;
  std::unique_ptr<class QtCanvas> canvas_;        // MainPicture, drawn off-screen
  std::unique_ptr<class QtCanvas> tracePicture_;  // TracePicture: the marks of traces
  bool clearTraces_ = false;
  int traceHolders_ = 0;
  const Element* stopAt_ = nullptr;
  const Element* highlight_ = nullptr;
  QImage picture_;  // what the widget shows: the picture with the pointer's message
  std::optional<WorldRect> lastSelection_;
};

KeyMods ModsOf(Qt::KeyboardModifiers m);

}  // namespace velt
