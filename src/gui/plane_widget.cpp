#include "plane_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt_canvas.h"
#include "ui/view_boxes.h"
#include "view/draw_element.h"
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
  opt.addTraces = ix_.dragging();
  opt.viewDragging = clearTraces_ || ix_.panning();
  clearTraces_ = false;
  opt.showHidden = ws_.showHidden;
  opt.language = &ws_.language;  // label texts as the boxes that find them measure them
  opt.dragging = ix_.dragging();
  opt.rubberBand = ix_.selectionRect().active;
  opt.clientWidth = size.width();
  opt.clientHeight = size.height();
  const SelectionRect& r = ix_.selectionRect();
  if (r.active)
    opt.selectionRectangle =
        WorldRect{std::min(r.start.x, r.corner.x), std::max(r.start.y, r.corner.y),
                  std::max(r.start.x, r.corner.x), std::min(r.start.y, r.corner.y)};
  RedrawAll(d, *canvas_, opt);
  const DrawContext ctx = ScreenContext(d, *canvas_, opt);
  auto look = [&](const Element& e, int32_t colour, bool halo) {
    Look l{colour, halo ? HaloStyleOf(e.style) : e.style, -1, false};
    if (e.type() == kTypePoint && halo) l.style = 3;
    return l;
  };
  // The picks blink in the selection colour (points as style 3).
  if (ix_.blinkOn())
    for (const Element* e : ix_.picks()) DrawElement(ctx, *e, look(*e, d.selectionColour, false));
  const Interaction::PreviewElements preview = ix_.Preview();
  for (const auto& e : preview.drawn) DrawElement(ctx, *e, look(*e, e->colour, false));
  // The highlight of what lies under the pointer.
  const Detection& det = ix_.detection();
  if (det.candidate) {
    auto p = NewElementOfKind(kFreePoint);
    p->value = det.candidate->value;
    p->style = 3;
    DrawElement(ctx, *p, look(*p, d.selectionColour, true));
  }
  for (const Hit& h : det.hits) {
    DrawElement(ctx, *h.element, look(*h.element, d.selectionColour, true));
    DrawElement(ctx, *h.element, look(*h.element, h.element->colour, false));
  }
  picture_ = canvas_->Image().copy();
  const CursorMessage& m = ix_.cursorMessage();
  if (m.visible) {
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
  if (const SelectionRect& r = ix_.selectionRect(); r.active)
    lastSelection_ = WorldRect{std::min(r.start.x, r.corner.x), std::max(r.start.y, r.corner.y),
                               std::max(r.start.x, r.corner.x), std::min(r.start.y, r.corner.y)};
  ix_.MouseUp(ButtonOf(e->button()), e->position().x(), e->position().y(), ModsOf(e->modifiers()));
}

void PlaneWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  ix_.DoubleClick(e->position().x(), e->position().y());
}

}  // namespace velt
