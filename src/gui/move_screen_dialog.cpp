#include "move_screen_dialog.h"

#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "qt_canvas.h"
#include "ui/strings_window.h"
#include "view/move_screen.h"
#include "view/redraw.h"

namespace velt {
namespace {

constexpr int kThumb = 340;

class Thumbnail : public QWidget {
 public:
  Thumbnail(Workspace& ws, std::function<void()> moved, QWidget* parent)
      : QWidget(parent), ws_(ws), moved_(std::move(moved)) {
    setFixedSize(kThumb, kThumb);
    setObjectName("Thumbnail");
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QtCanvas canvas(kThumb, kThumb);
    DrawOptions opt;
    opt.showHidden = ws_.showHidden;
    DrawDocument(ThumbnailContext(ws_.doc(), canvas, ws_.options.planeSize, opt));
    DrawThumbnailFrame(canvas, Frame());
    QPainter p(this);
    p.drawImage(0, 0, canvas.Image());
  }
  void mousePressEvent(QMouseEvent* e) override { MoveTo(e->position()); }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (e->buttons() & Qt::LeftButton) MoveTo(e->position());
  }

 private:
  ViewMapping Mapping() const { return ThumbnailMapping(ws_.options.planeSize, kThumb); }
  // The plane area is the whole client area: no offset to take off it.
  PixelBox Frame() const {
    return ThumbnailFrame(ws_.doc(), Mapping(), ws_.clientWidth, ws_.clientHeight, 0);
  }
  // The frame's centre follows the pointer, kept inside the thumbnail.
  void MoveTo(QPointF at) {
    const PixelBox f = Frame();
    const int w = f.right - f.left, h = f.bottom - f.top;
    const int left = static_cast<int>(std::lround(at.x())) - w / 2;
    const int top = static_cast<int>(std::lround(at.y())) - h / 2;
    const PixelBox moved = KeepFrameInside({left, top, left + w, top + h}, kThumb);
    Document& d = ws_.doc();
    ViewFromFrame(d, Mapping(), moved, ws_.clientWidth, ws_.clientHeight);
    ws_.SyncView(d);
    update();
    moved_();
  }

  Workspace& ws_;
  std::function<void()> moved_;
};

}  // namespace

TMuePan::TMuePan(Workspace& ws, std::function<void()> redraw, QWidget* parent)
    : QDialog(parent), ws_(ws), redraw_(std::move(redraw)) {
  setObjectName("TMuePan");
  setWindowTitle(QString::fromStdString(ws.Text(str::kMoveScreenCaption)));
  savedLeft_ = ws.doc().viewLeft;
  savedTop_ = ws.doc().viewTop;
  savedPlane_ = ws.options.planeSize;
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it grows
  auto* thumb = new Thumbnail(ws, redraw_, this);
  layout->addWidget(thumb);
  auto* track = new QSlider(Qt::Horizontal, this);
  track->setObjectName("TrackBar1");
  track->setToolTip(QString::fromStdString(ws.Text(str::kPlaneSizeHint)));
  track->setRange(0, kPlaneSizeTrackMax);
  track->setValue(PlaneSizeTrackPosition(ws.options.planeSize, ws.clientWidth, ws.clientHeight));
  connect(track, &QSlider::valueChanged, this, [this, thumb](int v) {
    ws_.options.planeSize = PlaneSizeFromTrack(v, ws_.clientWidth, ws_.clientHeight);
    thumb->update();
  });
  layout->addWidget(track);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("BotOK");
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromStdString(ws.Text(str::kOk)));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("BotCancel");
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromStdString(ws.Text(str::kCancel)));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TMuePan::done(int result) {
  if (result != QDialog::Accepted) {
    Document& d = ws_.doc();
    d.viewLeft = savedLeft_;
    d.viewTop = savedTop_;
    ws_.options.planeSize = savedPlane_;
    ws_.SyncView(d);
  }
  redraw_();
  QDialog::done(result);
}

}  // namespace velt
