#include "print_preview_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "print_job.h"
#include "qt_canvas.h"
#include "ui/strings_export.h"
#include "view/move_screen.h"
#include "view/redraw.h"

namespace velt {

// The whole plane reduced to the preview's width, with the page frame on it.
class PreviewArea : public QWidget {
 public:
  explicit PreviewArea(PrintPreviewDialog& dialog) : QWidget(&dialog), dialog_(dialog) {
    setObjectName("Preview");
    setFixedSize(PrintPreviewDialog::kPreviewSize, PrintPreviewDialog::kPreviewSize);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const int n = PrintPreviewDialog::kPreviewSize;
    QtCanvas canvas(n, n);
    DrawOptions opt;
    opt.showHidden = dialog_.ws_.showHidden;
    DrawDocument(ThumbnailContext(dialog_.ws_.doc(), canvas, dialog_.ws_.options.planeSize, opt));
    QPainter p(this);
    p.drawImage(0, 0, canvas.Image());
    const PixelBox& f = dialog_.frame_;
    // Cyan with black just outside it, seen on light and dark backgrounds alike.
    const QRect r(f.left, f.top, f.right - f.left - 1, f.bottom - f.top - 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0, 0, 0));
    p.drawRect(r.adjusted(-1, -1, 1, 1));
    p.setPen(QColor(0, 255, 255));
    p.drawRect(r);
  }
  // A press more than 4 pixels inside the frame's edges takes the frame.
  bool Inside(QPointF at) const {
    const PixelBox& f = dialog_.frame_;
    return at.x() > f.left + 4 && at.x() < f.right - 4 && at.y() > f.top + 4 &&
           at.y() < f.bottom - 4;
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton || !Inside(e->position())) return;
    grab_ = e->position().toPoint() - QPoint(dialog_.frame_.left, dialog_.frame_.top);
    dragging_ = true;
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    setCursor(dragging_ || Inside(e->position()) ? Qt::SizeAllCursor : Qt::ArrowCursor);
    if (!dragging_) return;
    const QPoint at = e->position().toPoint() - grab_;
    dialog_.MoveFrame(at.x(), at.y());
  }
  void mouseReleaseEvent(QMouseEvent*) override { dragging_ = false; }

 private:
  PrintPreviewDialog& dialog_;
  QPoint grab_;
  bool dragging_ = false;
};

PrintPreviewDialog::PrintPreviewDialog(Workspace& ws, QPrinter& printer, QWidget* parent)
    : QDialog(parent), ws_(ws), printer_(printer), savedPlaneSize_(ws.options.planeSize) {
  setObjectName("TV_imp");
  auto text = [&ws](int n) { return QString::fromStdString(ws.Text(n)); };
  setWindowTitle(text(str::kPrintPreviewCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it grows
  area_ = new PreviewArea(*this);
  layout->addWidget(area_);
  auto* form = new QFormLayout;
  const int screenW = 1920, screenH = 1080;
  planeTrack_ = new QSlider(Qt::Horizontal, this);
  planeTrack_->setObjectName("TrackBar1");
  planeTrack_->setRange(0, kPlaneSizeTrackMax);
  planeTrack_->setValue(PlaneSizeTrackPosition(ws.options.planeSize, screenW, screenH));
  connect(planeTrack_, &QSlider::valueChanged, this, [this, screenW, screenH](int v) {
    ws_.options.planeSize = PlaneSizeFromTrack(v, screenW, screenH);
    ResizeFrame();
  });
  form->addRow(text(str::kPlaneSizeLabel), planeTrack_);
  scaleTrack_ = new QSlider(Qt::Horizontal, this);
  scaleTrack_->setObjectName("TrackBar2");
  scaleTrack_->setRange(0, kScaleTrackMax);
  // 0.25 = 0.12 + position / max / 3.
  scaleTrack_->setValue(
      static_cast<int>(std::lround((kDefaultPrintScale - kPrintScaleMin) * 3 * kScaleTrackMax)));
  connect(scaleTrack_, &QSlider::valueChanged, this, [this](int v) {
    scale_ = PrintScaleFromTrack(v, kScaleTrackMax);
    ResizeFrame();
  });
  form->addRow(text(str::kPrintScaleLabel), scaleTrack_);
  copies_ = new QLineEdit("1", this);
  copies_->setObjectName("Ed_ncop");
  form->addRow(text(str::kCopiesLabel), copies_);
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  auto* setup = new QPushButton(text(str::kPrinterSetupButton), this);
  setup->setObjectName("bot_opc");
  connect(setup, &QPushButton::clicked, this, [this] {
    QPageSetupDialog dialog(&printer_, this);
    if (dialog.exec() == QDialog::Accepted) ResizeFrame();
  });
  auto* print = new QPushButton(text(str::kPrintButton), this);
  print->setObjectName("bot_print");
  connect(print, &QPushButton::clicked, this, [this] {
    hide();
    Print();
    accept();
  });
  buttons->addWidget(setup);
  buttons->addStretch();
  buttons->addWidget(print);
  layout->addLayout(buttons);
  // The frame starts at the window's view.
  const Document& d = ws_.doc();
  const PageFrame page = PageOnPlane({d.viewLeft, d.viewTop}, 1, 1, 1);
  const PixelBox at = FrameOnPreview(page, ws_.options.planeSize, kPreviewSize);
  frame_ = {at.left, at.top, at.left, at.top};
  ResizeFrame();
}

// The plane size is the window's own setting: what the preview changed goes back.
PrintPreviewDialog::~PrintPreviewDialog() { ws_.options.planeSize = savedPlaneSize_; }

PageFrame PrintPreviewDialog::Page() const {
  const QSizeF mm = PaperSizeMm(printer_);
  const WorldPoint corner = FrameCorner(frame_, ws_.options.planeSize, kPreviewSize);
  return PageOnPlane(corner, mm.width(), mm.height(), scale_);
}

void PrintPreviewDialog::ResizeFrame() {
  const QSizeF mm = PaperSizeMm(printer_);
  const PageFrame page = PageOnPlane({0, 0}, mm.width(), mm.height(), scale_);
  const double k = kPreviewSize / ws_.options.planeSize;
  frame_.right = frame_.left + static_cast<int>(std::lround(page.width * k));
  frame_.bottom = frame_.top + static_cast<int>(std::lround(page.height * k));
  frame_ = KeepInsidePreview(frame_, kPreviewSize, kPreviewSize);
  area_->update();
}

void PrintPreviewDialog::MoveFrame(int x, int y) {
  const int w = frame_.right - frame_.left, h = frame_.bottom - frame_.top;
  frame_ = KeepInsidePreview({x, y, x + w, y + h}, kPreviewSize, kPreviewSize);
  area_->update();
}

bool PrintPreviewDialog::Print() {
  DrawOptions opt;
  opt.showHidden = ws_.showHidden;
  return PrintFigure(ws_.doc(), printer_, Page(), CopiesFromText(copies_->text().toStdString()),
                     opt);
}

}  // namespace velt
