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
  double Scale() const { return kThumb / ws_.options.planeSize; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QtCanvas canvas(kThumb, kThumb);
    DrawOptions opt;
    opt.mainPicture = false;
    opt.realSize = false;
    opt.showHidden = ws_.showHidden;
    DrawContext ctx = ThumbnailContext(ws_.doc(), canvas, ws_.options.planeSize, opt);
    DrawDocument(ctx);
    QPainter p(this);
    p.drawImage(0, 0, canvas.Image());
    const QRectF f = Frame();
    p.setPen(QColor(0, 0, 0));
    p.drawRect(f.adjusted(-1, -1, 1, 1));
    p.setPen(QColor(0, 255, 255));
    p.drawRect(f);
  }
  void mousePressEvent(QMouseEvent* e) override { MoveTo(e->position()); }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (e->buttons() & Qt::LeftButton) MoveTo(e->position());
  }

 private:
  QRectF Frame() const {
    const Document& d = ws_.doc();
    const double h = ws_.options.planeSize / 2, s = Scale();
    return QRectF((d.viewLeft + h) * s, (h - d.viewTop) * s, ws_.clientWidth * s,
                  ws_.clientHeight * s);
  }
  // The frame's centre follows the pointer, kept inside the thumbnail.
  void MoveTo(QPointF at) {
    const QRectF f = Frame();
    const double x = std::clamp(at.x() - f.width() / 2, 0.0, std::max(0.0, kThumb - f.width()));
    const double y = std::clamp(at.y() - f.height() / 2, 0.0, std::max(0.0, kThumb - f.height()));
    Document& d = ws_.doc();
    const double h = ws_.options.planeSize / 2, s = Scale();
    d.viewLeft = std::trunc(x / s - h);
    d.viewTop = std::trunc(h - y / s);
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
  track->setRange(0, 1000);
  const double lo = 1000, hi = 11000;
  track->setValue(static_cast<int>(std::lround(1000 * (ws.options.planeSize - lo) / (hi - lo))));
  connect(track, &QSlider::valueChanged, this, [this, thumb, lo, hi](int v) {
    ws_.options.planeSize = lo + (hi - lo) * v / 1000.0;
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
