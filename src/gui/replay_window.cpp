#include "replay_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "geometry/recompute.h"
#include "model/element_list.h"
#include "model/undo.h"
#include "ui/strings_animation.h"
#include "ui/strings_window.h"

namespace velt {

TPaP::TPaP(Workspace& ws, ReplayHooks hooks, QWidget* parent)
    : QDialog(parent),
      ws_(ws),
      hooks_(std::move(hooks)),
      replay_(ws.doc(), ws.showHidden, ws.options.stepFromFirst == 0) {
  setObjectName("TPaP");
  auto T = [&](int n) { return QString::fromStdString(ws_.Text(n)); };
  label_ = new QLabel(this);
  label_->setObjectName("Label1");
  label_->setMinimumWidth(320);
  label_->setMinimumHeight(label_->fontMetrics().lineSpacing());  // one line, text or not
  auto button = [&](const char* name, int text) {
    auto* b = new QPushButton(T(text), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  first_ = button("B_Primero", str::kReplayFirst);
  previous_ = button("B_Unoatras", str::kReplayPrevious);
  next_ = button("B_Unoadel", str::kReplayNext);
  last_ = button("B_Ultimo", str::kReplayLast);
  animate_ = button("B_anima", str::kReplayAnimate);
  animate_->setCheckable(true);
  accept_ = button("Aceptar", str::kOk);
  cancel_ = button("Cancelar", str::kCancel);
  tb_ = new QSlider(Qt::Horizontal, this);
  tb_->setObjectName("TB");
  intervals_ = new QComboBox(this);
  intervals_->setObjectName("CB_vanim");
  for (int i = 0; i < kReplayIntervalCount; ++i)
    intervals_->addItem(QString::fromStdString(ReplayIntervalText(i, ws_.language)));
  timer_.setObjectName("Timer1");

  auto* walk = new QHBoxLayout;
  for (QPushButton* b : {first_, previous_, next_, last_}) walk->addWidget(b);
  auto* timing = new QHBoxLayout;
  timing->addWidget(animate_);
  timing->addWidget(new QLabel(T(str::kReplayInterval), this));
  timing->addWidget(intervals_);
  timing->addStretch(1);
  timing->addWidget(accept_);
  timing->addWidget(cancel_);
  auto* all = new QVBoxLayout(this);
  all->addWidget(label_);
  all->addLayout(walk);
  all->addWidget(tb_);
  all->addLayout(timing);
  // The controls in the order they are seen; the window widens but does not grow taller.
  QWidget* order[] = {first_, previous_, next_, last_, tb_, animate_, intervals_, accept_, cancel_};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  setFixedHeight(sizeHint().height());

  connect(first_, &QPushButton::clicked, this, [this] { Go(replay_.First()); });
  connect(previous_, &QPushButton::clicked, this, [this] { Go(replay_.Previous()); });
  connect(next_, &QPushButton::clicked, this, [this] { Go(replay_.Next()); });
  connect(last_, &QPushButton::clicked, this, [this] { Go(replay_.Last()); });
  connect(tb_, &QSlider::valueChanged, this, [this](int v) {
    if (!updating_) Go(replay_.GoTo(v));
  });
  connect(&timer_, &QTimer::timeout, this, [this] { Go(replay_.Next()); });
  connect(animate_, &QPushButton::toggled, this, [this](bool on) {
    if (on) {
      timer_.start();
    } else {
      timer_.stop();
    }
  });
  connect(intervals_, &QComboBox::currentIndexChanged, this,
          [this](int i) { timer_.setInterval(ReplayIntervalMs(i)); });
  connect(accept_, &QPushButton::clicked, this, [this] { Keep(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });

  // Opening: the track bar from 1 to the step count, the timer off at 0.5 s.
  updating_ = true;  // the range moves the track bar, not the step
  tb_->setRange(1, std::max(1, replay_.count()));
  updating_ = false;
  intervals_->setCurrentIndex(kReplayDefaultInterval);
  timer_.setInterval(ReplayIntervalMs(kReplayDefaultInterval));
  if (replay_.count() == 0) {
    label_->setText(T(str::kReplayNoSteps));
    setWindowTitle(QString());
    for (QWidget* w : std::initializer_list<QWidget*>{first_, previous_, next_, last_, tb_})
      w->setEnabled(false);
    cancel_->setFocus();
    return;
  }
  ShowStep();
  if (replay_.count() == 1) {
    cancel_->setFocus();
  } else {
    (replay_.atLast() ? previous_ : next_)->setFocus();
  }
}

void TPaP::Go(bool changed) {
  if (changed) ShowStep();
}

void TPaP::ShowStep() {
  const Element* step = replay_.current();
  if (!step) return;
  Document& d = ws_.doc();
  // Up to the step, or on the last step the whole construction.
  const Element* stop = replay_.atLast() ? nullptr : replay_.StopAt(d);
  RecomputeAll(d, stop);
  hooks_.show(stop, step);
  label_->setText(QString::fromStdString(ReplayDescription(*step, ws_.language)));
  QString caption = " ";
  if (replay_.atFirst())
    caption += " " + QString::fromStdString(ws_.Text(str::kReplayFirstElement));
  if (replay_.atLast()) caption += " " + QString::fromStdString(ws_.Text(str::kReplayLastElement));
  setWindowTitle(caption);
  updating_ = true;
  tb_->setValue(replay_.position());
  updating_ = false;
}

void TPaP::Keep() {
  timer_.stop();
  animate_->setChecked(false);
  if (!replay_.current() || replay_.atLast()) {
    accept();
    return;
  }
  if (!hooks_.ask(ws_.Text(str::kReplayKeepQuestion))) return;
  Document& d = ws_.doc();
  Renumber(d.elements());
  const int32_t number = replay_.current()->number;
  StoreUndoStep(d);
  KeepConstructionUpTo(d, number);
  hooks_.cut();
  accept();
}

void TPaP::done(int result) {
  timer_.stop();
  // The whole construction again, without the highlight.
  hooks_.show(nullptr, nullptr);
  RecomputeAll(ws_.doc());
  hooks_.show(nullptr, nullptr);
  QDialog::done(result);
}

}  // namespace velt
