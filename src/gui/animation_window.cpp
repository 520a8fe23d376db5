#include "animation_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "anim/animation.h"
#include "model/undo.h"
#include "ui/strings.h"
#include "ui/strings_animation.h"
#include "view/element_text.h"

namespace velt {
namespace {

// The line of an entry: the element's kind in a word and its name.
QString EntryLine(const Element& e, const LanguageTable& lang) {
  const int word = e.kind == kParameter ? str::KindName(e.kind) : str::TypeName(e.type());
  return QString::fromStdString(lang.Get(word) + " " + AutomaticName(e));
}

}  // namespace

TV_animac::TV_animac(Workspace& ws, AnimationHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ws_(ws), hooks_(std::move(hooks)) {
  setObjectName("TV_animac");
  setModal(false);
  auto T = [&](int n) { return QString::fromStdString(ws_.Text(n)); };
  setWindowTitle(T(str::kAnimationCaption));

  cb_ = new QComboBox(this);
  cb_->setObjectName("CB");
  cb_->setMinimumContentsLength(18);
  auto button = [&](const char* name, int text, bool toggle) {
    auto* b = new QPushButton(T(text), this);
    b->setObjectName(name);
    b->setCheckable(toggle);
    b->setAutoDefault(false);
    return b;
  };
  play_ = button("B_play", str::kAnimationPlay, true);
  direction_ = button("B_sentido", str::kAnimationDirection, false);
  pause_ = button("B_pausa", str::kAnimationPause, true);
  stop_ = button("B_stop", str::kAnimationRemove, false);
  ok_ = button("B_cancel", str::kAnimationOk, false);
  tb_ = new QSlider(Qt::Horizontal, this);
  tb_->setObjectName("TB");
  tb_->setRange(0, 100);
  edit_ = new QLineEdit(this);
  edit_->setObjectName("Ed_vel");
  edit_->setMaxLength(3);
  edit_->setFixedWidth(40);
  edit_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), edit_));
  // The up-down beside the speed: up raises it.
  upDown_ = new QScrollBar(Qt::Vertical, this);
  upDown_->setObjectName("UpDown_vel");
  upDown_->setRange(0, 100);
  upDown_->setInvertedControls(false);
  upDown_->setInvertedAppearance(true);
  upDown_->setFixedHeight(edit_->sizeHint().height());

  auto* row1 = new QHBoxLayout;
  row1->addWidget(cb_, 1);
  row1->addWidget(play_);
  row1->addWidget(direction_);
  row1->addWidget(pause_);
  row1->addWidget(stop_);
  auto* row2 = new QHBoxLayout;
  row2->addWidget(new QLabel(T(str::kAnimationSpeed), this));
  row2->addWidget(tb_, 1);
  row2->addWidget(edit_);
  row2->addWidget(upDown_);
  row2->addWidget(ok_);
  auto* all = new QVBoxLayout(this);
  all->addLayout(row1);
  all->addLayout(row2);
  setFixedHeight(sizeHint().height());  // a strip of two rows: it widens, it does not grow taller

  clock_.setSingleShot(true);
  connect(&clock_, &QTimer::timeout, this, [this] { ClockFired(); });
  connect(cb_, &QComboBox::currentIndexChanged, this, [this] { ShowEntry(); });
  connect(play_, &QPushButton::toggled, this, [this](bool on) {
    if (Animation* a = Entry(); a && !updating_) a->playing = on ? 1 : 0;
  });
  connect(direction_, &QPushButton::clicked, this, [this] {
    if (Animation* a = Entry()) a->reversed = a->reversed ? 0 : 1;
  });
  connect(pause_, &QPushButton::toggled, this, [this] { UpdateClock(); });
  connect(stop_, &QPushButton::clicked, this, [this] {
    auto& list = ws_.doc().figure->animations;
    const int i = cb_->currentIndex();
    if (i < 0 || i >= static_cast<int>(list.size())) return;
    list.erase(list.begin() + i);
    Refresh();
    hooks_.repaint();
  });
  connect(tb_, &QSlider::valueChanged, this, [this](int v) { SetSpeed(v); });
  connect(upDown_, &QScrollBar::valueChanged, this, [this](int v) { SetSpeed(v); });
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!t.isEmpty()) SetSpeed(t.toInt());
  });
  connect(ok_, &QPushButton::clicked, this, [this] { reject(); });
}

Animation* TV_animac::Entry() const {
  auto& list = ws_.doc().figure->animations;
  const int i = cb_->currentIndex();
  return i >= 0 && i < static_cast<int>(list.size()) ? &list[static_cast<size_t>(i)] : nullptr;
}

void TV_animac::SetSpeed(int speed) {
  if (updating_) return;
  speed = std::clamp(speed, 0, 100);
  if (Animation* a = Entry()) a->speed = speed;
  ShowEntry();
}

void TV_animac::ShowEntry() {
  const Animation* a = Entry();
  updating_ = true;
  for (QWidget* w : std::initializer_list<QWidget*>{play_, direction_, stop_, tb_, edit_, upDown_})
    w->setEnabled(a != nullptr);
  const int speed = a ? a->speed : 0;
  play_->setChecked(a && a->playing);
  tb_->setValue(speed);
  upDown_->setValue(speed);
  if (edit_->text().toInt() != speed || edit_->text().isEmpty())
    edit_->setText(QString::number(speed));
  updating_ = false;
}

void TV_animac::Refresh(const Element* shown) {
  const auto& list = ws_.doc().figure->animations;
  const int before = cb_->currentIndex();
  updating_ = true;
  cb_->clear();
  int choose = list.empty() ? -1 : 0;
  for (size_t i = 0; i < list.size(); ++i) {
    const Element* e = list[i].element;
    cb_->addItem(e ? EntryLine(*e, ws_.language) : QString());
    if (shown && e == shown) choose = static_cast<int>(i);
  }
  if (!shown && before >= 0 && before < cb_->count()) choose = before;
  cb_->setCurrentIndex(choose);
  updating_ = false;
  ShowEntry();
  UpdateClock();
}

void TV_animac::Open() {
  Document& d = ws_.doc();
  PruneAnimations(*d.figure);
  if (!isVisible()) {
    // The user can come back to the figure as it was before the animation.
    if (!d.figure->animations.empty()) {
      StoreUndoStep(d);
      hooks_.commandsChanged();
    }
    PlaceAtBottom();
    show();
    if (!holding_) hooks_.holdTraces(true);
    holding_ = true;
  }
  Refresh();
}

void TV_animac::Suspend() {
  clock_.stop();
  hide();
  if (holding_) hooks_.holdTraces(false);
  holding_ = false;
}

void TV_animac::reject() {
  Suspend();
  hooks_.closed();
}

void TV_animac::UpdateClock() {
  const bool run = isVisible() && !pause_->isChecked() && !ws_.doc().figure->animations.empty();
  if (!run) {
    clock_.stop();
  } else if (!clock_.isActive()) {
    sinceTick_.start();
    clock_.start(kTickMs);
  }
}

void TV_animac::ClockFired() {
  // The next interval counts from this moment, however long the tick takes.
  sinceTick_.start();
  Tick();
  if (!isVisible() || pause_->isChecked() || ws_.doc().figure->animations.empty()) return;
  clock_.start(std::max<int>(0, kTickMs - static_cast<int>(sinceTick_.elapsed())));
}

void TV_animac::Tick() {
  if (AnimationTick(ws_.doc())) hooks_.repaint();
  // A bounce may have turned an entry; the switches show it.
  ShowEntry();
}

void TV_animac::PlaceAtBottom() {
  QWidget* main = parentWidget();
  adjustSize();
  if (!main) return;
  const QRect g = main->frameGeometry();
  const int x = std::max(g.left() + 8, g.left() + (g.width() - width()) / 2);
  move(x, g.bottom() - height() - 8);
}

}  // namespace velt
