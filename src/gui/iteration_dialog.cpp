#include "iteration_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "main_window.h"
#include "ui/strings.h"
#include "ui/strings_iteration.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

QString T(const LanguageTable& language, int number) {
  return QString::fromStdString(language.Get(number));
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

}  // namespace

IterationDialog::IterationDialog(const IterationDialogState& state, const LanguageTable& language,
                                 QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("TV_iterac");
  setWindowTitle(T(language, str::KindName(kIteration)));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  for (const std::string& line : state.lines) list_->addItem(QString::fromStdString(line));
  if (state.selected >= 0 && state.selected < list_->count()) list_->setCurrentRow(state.selected);
  choose_ = Button(this, "B_selec", T(language, str::kIterChooseElements));
  addDestination_ = Button(this, "B_ndest", T(language, str::kIterAddDestination));
  remove_ = Button(this, "B_elim", T(language, str::kIterRemove));
  count_ = Button(this, "B_num", T(language, str::kIterCountButton));
  iterate_ = Button(this, "B_iterar", T(language, str::kIterNew));
  cancel_ = Button(this, "B_Cancel", T(language, str::kCancel));

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {choose_, addDestination_, remove_, count_, iterate_, cancel_})
    buttons->addWidget(b);
  buttons->addStretch();
  auto* all = new QHBoxLayout(this);
  all->addWidget(list_, 1);
  all->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateEnabling(); });
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this] { Finish(IterationAction::ChooseElements); });
  connect(choose_, &QPushButton::clicked, this,
          [this] { Finish(IterationAction::ChooseElements); });
  connect(addDestination_, &QPushButton::clicked, this,
          [this] { Finish(IterationAction::AddDestination); });
  connect(remove_, &QPushButton::clicked, this, [this] { Finish(IterationAction::Remove); });
  connect(count_, &QPushButton::clicked, this, [this] { Finish(IterationAction::ChooseCount); });
  connect(iterate_, &QPushButton::clicked, this, [this] { Finish(IterationAction::Iterate); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Finish(IterationAction::Cancel); });
  UpdateEnabling();
}

void IterationDialog::UpdateEnabling() {
  choose_->setEnabled(list_->currentRow() >= 0);
  addDestination_->setEnabled(state_.canAddDestination);
  remove_->setEnabled(state_.canRemove);
  count_->setEnabled(state_.canChooseCount);
  iterate_->setEnabled(state_.canIterate);
}

void IterationDialog::Finish(IterationAction action) {
  answer_ = {action, list_->currentRow()};
  if (action == IterationAction::Cancel)
    reject();
  else
    accept();
}

IterationCountDialog::IterationCountDialog(int32_t count, const LanguageTable& language,
                                           QWidget* parent)
    : QDialog(parent) {
  setObjectName("TV_iterac_ni");
  setWindowTitle(T(language, str::kIterCountButton));
  auto* label = new QLabel(T(language, str::kIterCountLabel), this);
  label->setObjectName("Label1");
  edit_ = new QLineEdit(QString::number(count), this);
  edit_->setObjectName("Edit1");
  auto* up = new QToolButton(this);
  up->setObjectName("UpDown1");
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setArrowType(Qt::DownArrow);
  auto* ok = Button(this, "OKBtn", T(language, str::kOk));
  auto* cancel = Button(this, "CancelBtn", T(language, str::kCancel));
  ok->setDefault(true);

  auto* row = new QHBoxLayout;
  row->addWidget(edit_, 1);
  row->addWidget(up);
  row->addWidget(down);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* all = new QVBoxLayout(this);
  all->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it grows
  all->addWidget(label);
  all->addLayout(row);
  all->addLayout(buttons);
  connect(up, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString IterationCountDialog::text() const { return edit_->text(); }

// The up-down control: one more or one less, never below 1.
void IterationCountDialog::Step(int by) {
  bool ok = false;
  const qlonglong n = edit_->text().trimmed().toLongLong(&ok);
  edit_->setText(QString::number(std::max<qlonglong>(ok ? n + by : 1, 1)));
}

void PlaceAtBottom(QDialog& dialog, const QWidget& window) {
  dialog.adjustSize();
  const QRect frame = window.frameGeometry();
  const int x = std::max(frame.left() + (frame.width() - dialog.width()) / 2, frame.left() + 8);
  dialog.move(x, frame.bottom() - dialog.height());
}

IterationDialogAnswer MainWindow::IterationDialog(const IterationDialogState& state) {
  velt::IterationDialog d(state, ws_.language, this);
  PlaceAtBottom(d, *this);
  d.exec();
  return d.answer();
}

std::optional<std::string> MainWindow::AskIterationCount(int32_t current) {
  IterationCountDialog d(current, ws_.language, this);
  PlaceAtBottom(d, *this);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  return d.text().toStdString();
}

}  // namespace velt
