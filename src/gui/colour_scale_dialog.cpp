#include "gui/colour_scale_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/qt_canvas.h"
#include "ui/strings_edit.h"
#include "view/parametric_colour.h"

namespace velt {
namespace {

constexpr int kStripWidth = 200, kStripHeight = 16;

}  // namespace

TVcolpar::TVcolpar(const Workspace& ws, QWidget* parent) : QDialog(parent) {
  setObjectName("TVcolpar");
  auto T = [&](int n) { return QString::fromStdString(ws.Text(n)); };
  setWindowTitle(T(str::kColourScaleCaption));
  auto* group = new QGroupBox(T(str::kColourScaleGroup), this);
  auto* grid = new QGridLayout(group);
  const int names[4] = {str::kHueScaleChoice, str::kGreyScaleChoice, str::kSaturationScaleChoice,
                        str::kBrightnessScaleChoice};
  for (int i = 0; i < 4; ++i) {
    choice_[i] = new QRadioButton(T(names[i]), group);
    choice_[i]->setObjectName(QString("RB_escala%1").arg(i + 1));
    strip_[i] = new QLabel(group);
    strip_[i]->setFixedSize(kStripWidth, kStripHeight);
    grid->addWidget(choice_[i], 2 * i, 0);
    grid->addWidget(new QLabel("0.0", group), 2 * i, 1);
    grid->addWidget(strip_[i], 2 * i, 2);
    grid->addWidget(new QLabel("1.0", group), 2 * i, 3);
  }
  choice_[0]->setChecked(true);
  saturation_ = new QScrollBar(Qt::Horizontal, group);
  saturation_->setObjectName("SB_saturacion");
  saturation_->setRange(kSaturationScaleFirst, 101);
  brightness_ = new QScrollBar(Qt::Horizontal, group);
  brightness_->setObjectName("SB_brillo");
  brightness_->setRange(kBrightnessScaleFirst, kBrightnessScaleLast);
  QScrollBar* bars[2] = {saturation_, brightness_};
  for (int k = 0; k < 2; ++k) {
    position_[k] = new QLabel(group);
    grid->addWidget(bars[k], 2 * (k + 2) + 1, 2);
    grid->addWidget(position_[k], 2 * (k + 2) + 1, 3);
    const int offset = k == 0 ? 2 : 102;
    auto moved = [this, k, offset, bar = bars[k]](int v) {
      position_[k]->setText(QString::number(v - offset));
      choice_[k + 2]->setChecked(true);
      Paint(strip_[k + 2], bar->value());
    };
    connect(bars[k], &QScrollBar::valueChanged, this, moved);
    position_[k]->setText(QString::number(bars[k]->value() - offset));
  }
  Paint(strip_[0], kHueScale);
  Paint(strip_[1], kGreyScale);
  Paint(strip_[2], saturation_->value());
  Paint(strip_[3], brightness_->value());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(T(str::kAcceptButton));
  buttons->button(QDialogButtonBox::Cancel)->setText(T(str::kCancelButton));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it grows
  layout->addWidget(group);
  layout->addWidget(buttons);
}

void TVcolpar::Paint(QLabel* strip, int32_t mode) {
  QPixmap pix(kStripWidth, kStripHeight);
  pix.fill(Qt::white);
  QPainter p(&pix);
  // Every third column, each three wide, in the colour of its place on the scale.
  for (int x = 0; x < kStripWidth; x += 3) {
    const auto c = ScaleColour(mode, static_cast<double>(x) / kStripWidth);
    if (c) p.fillRect(x, 0, 3, kStripHeight, ToQColor(*c));
  }
  strip->setPixmap(pix);
}

int32_t TVcolpar::result() const {
  if (choice_[1]->isChecked()) return kGreyScale;
  if (choice_[2]->isChecked()) return saturation_->value();
  if (choice_[3]->isChecked()) return brightness_->value();
  return kHueScale;
}

}  // namespace velt
