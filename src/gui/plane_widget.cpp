#include "plane_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/element_list.h"
#include "qt_canvas.h"
#include "ui/calculator_session.h"
#include "ui/overlay.h"
#include "ui/view_boxes.h"
#include "view/draw_element.h"
#include "view/number_letters.h"
#include "view/pictures.h"
#include "view/redraw.h"

namespace velt {

KeyMods ModsOf(Qt::KeyboardModifiers m) {
  return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier)};
}

namespace {

MouseButton ButtonOf(Qt::MouseButton b) {
  return b == Qt::RightButton  ? MouseButton::Right
         : b == Qt::LeftButton ? MouseButton::Left
                               : MouseButton::Middle;
}

}  // namespace

PlaneWidget::PlaneWidget(Workspace& ws, Interaction& ix, QWidget* parent)
    : QWidget(parent), ws_(ws), ix_(ix) {
  setObjectName("MainPicture");
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
  // Text-like elements are found by the boxes they are drawn in, measured as drawn.
  ix_.SetBoxOf(ViewBoxes(ws_, std::make_shared<QtTextMeasure>()));
}

PlaneWidget::~PlaneWidget() = default;

void PlaneWidget::Redraw() {
  const QSize size = this->size();
  if (size.isEmpty()) return;
  if (!canvas_ || canvas_->Width() != size.width() || canvas_->Height() != size.height())
    canvas_ = std::make_unique<QtCanvas>(size.width(), size.height());
  Document& d = ws_.doc();
  canvas_->SetAntialiased(d.antiAliased != 0);
  // The trace picture keeps its marks from redraw to redraw, at the size of the plane.
  if (!tracePicture_ || tracePicture_->Width() != size.width() ||
      tracePicture_->Height() != size.height()) {
    tracePicture_ = std::make_unique<QtCanvas>(size.width(), size.height());
    ClearPicture(*tracePicture_, TraceBackground(d.backgroundColour));
  }
  DrawOptions opt;
  opt.tracePicture = tracePicture_.get();
  // Traces mark while a drag runs, a window holds them, or the calculator is open.
  opt.addTraces = ix_.dragging() || traceHolders_ > 0 || ws_.calculator.open;
  opt.viewDragging = clearTraces_ || ix_.panning();
  clearTraces_ = false;
  opt.showHidden = ws_.showHidden;
  opt.language = &ws_.language;  // label texts as the boxes that find them measure them
  opt.dragging = ix_.dragging();
  opt.clientWidth = size.width();
  opt.clientHeight = size.height();
  const Overlay overlay = BuildOverlay(ix_, d);
  opt.rubberBand = overlay.rectangle.has_value();
  opt.selectionRectangle = overlay.rectangle;
  RedrawAll(d, *canvas_, opt, stopAt_);
  const DrawContext ctx = ScreenContext(d, *canvas_, opt);
  if (stopAt_) {
    // The names of the elements drawn, though they come later in the list.
    const ElementList& list = d.elements();
    const std::ptrdiff_t stop = IndexOf(list, stopAt_);
    for (size_t i = stop < 0 ? list.size() : static_cast<size_t>(stop); i < list.size(); ++i) {
      const Element& e = *list[i];
      if (e.kind == kName && e.parent[0] && IsDrawable(e, ws_.showHidden) &&
          IndexOf(list, e.parent[0]) < stop)
        DrawElement(ctx, e, Look{e.colour, e.style, -1, false});
    }
  }
  if (const Element* h = highlight_) {
    // The replay's step, in the selection colour under its own.
    Look halo{d.selectionColour, HaloStyleOf(h->style), -1, false};
    if (h->type() == kTypePoint) halo.style = 3;
    DrawElement(ctx, *h, halo);
    DrawElement(ctx, *h, Look{h->colour, h->style, -1, false});
  }
  for (const OverlayMark& m : overlay.marks) DrawElement(ctx, *m.element, m.look);
  if (ws_.calculator.open) {
    const auto lettered = LetteredVariables(ws_.calculator);
    DrawNumberLetters(ctx, lettered, QtTextMeasure());
  }
  picture_ = canvas_->Image().copy();
  // While tool 59 collects elements, each is numbered: 1, 2 … and 1', 2' … in a destination set.
  if (ix_.tool() == Tool::B_iteracion) {
    QPainter p(&picture_);
    QFont f("MS Sans Serif", 14);
    p.setFont(f);
    p.setPen(ToQColor(d.selectionColour));
    for (const IterationLabel& label : IterationLabels(ws_.iterationSetup)) {
      const PixelPoint at = ctx.Pixel(label.element->value[0], label.element->value[1]);
      p.drawText(QPointF(at.x + 6, at.y - 6), QString::fromStdString(label.text));
    }
  }
  if (const CursorMessage& m = overlay.message; m.visible) {
    QPainter p(&picture_);
    QFont f(QString::fromStdString(d.cursorFont.face), d.cursorFont.size);
    p.setFont(f);
    p.setPen(ToQColor(m.colour));
    p.drawText(QPointF(m.px, m.py + QFontMetrics(f).ascent()), QString::fromStdString(m.text));
  }
  update();
}

void PlaneWidget::ClearTraces() {
  clearTraces_ = true;
  Redraw();
}

void PlaneWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);  // the picture in one block
}

void PlaneWidget::resizeEvent(QResizeEvent*) {
  ws_.clientWidth = width();
  ws_.clientHeight = height();
  ws_.SyncView(ws_.doc());
  emit resized();
  Redraw();
}

void PlaneWidget::mousePressEvent(QMouseEvent* e) {
  lastSelection_.reset();
  ix_.MouseDown(ButtonOf(e->button()), e->position().x(), e->position().y(),
                ModsOf(e->modifiers()));
  Redraw();
}

void PlaneWidget::mouseMoveEvent(QMouseEvent* e) {
  ix_.MouseMove(e->position().x(), e->position().y(), ModsOf(e->modifiers()),
                e->buttons().testFlag(Qt::LeftButton));
}

void PlaneWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (auto r = RectangleOf(ix_.selectionRect())) lastSelection_ = r;
  ix_.MouseUp(ButtonOf(e->button()), e->position().x(), e->position().y(), ModsOf(e->modifiers()));
}

void PlaneWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  ix_.DoubleClick(e->position().x(), e->position().y());
}

}  // namespace velt
