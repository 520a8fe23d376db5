#include "parameter_dialog.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/strings_numbers.h"
#include "ui/strings_window.h"
#include "view/element_text.h"

namespace velt {

QString ParameterDialog::T(int number) const { return QString::fromStdString(ws_.Text(number)); }

ParameterDialog::ParameterDialog(Workspace& ws, Element& parameter, Hooks hooks, QWidget* parent)
    : QDialog(parent), ws_(ws), edit_(ws.doc(), parameter), hooks_(std::move(hooks)) {
  edit_.SetBusyWindow(hooks_.busy);
  setObjectName("TV_ed_param");
  QString caption = T(str::kModifyParameter);
  if (const std::string name = ShortNameOf(parameter); !name.empty())
    caption += " " + QString::fromStdString(name);
  setWindowTitle(caption);
  auto* form = new QFormLayout;
  const char* names[] = {"Ed_p", "Ed_a", "Ed_b"};
  const int labels[] = {str::kParameterValue, str::kParameterMinimum, str::kParameterMaximum};
  for (int i = 0; i < 3; ++i) {
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(names[i]);
    connect(fields_[i], &QLineEdit::textEdited, this, [this, i] { dirty_[i] = true; });
    form->addRow(T(labels[i]), fields_[i]);
  }
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName("TB");
  slider_->setRange(kSliderMin, kSliderMax);
  slider_->installEventFilter(this);
  connect(slider_, &QSlider::valueChanged, this, [this](int position) {
    if (updating_) return;
    edit_.SlideTo(position);
    dirty_ = {};
    updating_ = true;
    fields_[kFieldValue]->setText(QString::fromStdString(edit_.FieldText(kFieldValue)));
    updating_ = false;
    if (hooks_.redraw) hooks_.redraw();
  });
  ok_ = new QPushButton(T(str::kParameterOk), this);
  ok_->setObjectName("Bot_ok");
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { Confirm(); });
  auto* all = new QVBoxLayout(this);
  all->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it grows
  all->addLayout(form);
  all->addWidget(slider_);
  all->addWidget(ok_);
  updating_ = true;
  slider_->setValue(edit_.SliderFor(kSliderMin));
  updating_ = false;
  ShowValues();
}

std::array<std::optional<std::string>, 3> ParameterDialog::Edited() const {
  std::array<std::optional<std::string>, 3> out;
  for (int i = 0; i < 3; ++i)
    if (dirty_[i]) out[i] = fields_[i]->text().toStdString();
  return out;
}

void ParameterDialog::ShowValues() {
  for (int i = 0; i < 3; ++i) fields_[i]->setText(QString::fromStdString(edit_.FieldText(i)));
  dirty_ = {};
  updating_ = true;
  slider_->setValue(edit_.SliderFor(slider_->value()));
  updating_ = false;
}

void ParameterDialog::Confirm() {
  const int failed = edit_.Confirm(Edited());
  if (failed >= 0) {
    if (hooks_.warn) hooks_.warn(ws_.Text(str::kInvalidInput));
    fields_[failed]->setFocus();
    return;
  }
  confirmed_ = true;
  ShowValues();
  if (hooks_.redraw) hooks_.redraw();
  accept();
}

bool ParameterDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == slider_ && event->type() == QEvent::FocusIn && dirty_ != std::array<bool, 3>{}) {
    if (!edit_.CheckSilently(Edited())) {
      ShowValues();
      if (hooks_.redraw) hooks_.redraw();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ParameterDialog::done(int r) {
  changed_ = edit_.Close(confirmed_ && r == QDialog::Accepted, hooks_.storeStep);
  if (hooks_.redraw) hooks_.redraw();
  QDialog::done(r);
}

}  // namespace velt
