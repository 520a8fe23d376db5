#include "gui/point_entry_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/strings_edit.h"

namespace velt {

PointEntryDialog::PointEntryDialog(const Workspace& ws, PointEntrySession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("TV_rep_pun");
  auto T = [&](int n) { return QString::fromStdString(ws.Text(n)); };
  setWindowTitle(T(str::kPointEntryCaption));
  cx_ = new QLineEdit(QString::fromStdString(session.initialX()), this);
  cx_->setObjectName("Ed_cx");
  cy_ = new QLineEdit(QString::fromStdString(session.initialY()), this);
  cy_->setObjectName("Ed_cy");
  rectangular_ = new QRadioButton(T(str::kRectangularChoice), this);
  rectangular_->setObjectName("RB_rec");
  rectangular_->setChecked(true);
  polar_ = new QRadioButton(T(str::kPolarChoice), this);
  polar_->setObjectName("RB_pol");
  degrees_ = new QLabel(QStringLiteral("°"), this);
  degrees_->setObjectName("Lab_gr");
  degrees_->setVisible(false);
  connect(polar_, &QRadioButton::toggled, degrees_, &QLabel::setVisible);
  auto* plot = new QPushButton(T(str::kPlotButton), this);
  plot->setObjectName("B_rep");
  plot->setDefault(true);
  auto* close = new QPushButton(T(str::kCloseButton), this);
  close->setObjectName("B_ok");
  close->setAutoDefault(false);
  connect(plot, &QPushButton::clicked, this, &PointEntryDialog::AcceptPair);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it grows
  grid->addWidget(rectangular_, 0, 0);
  grid->addWidget(polar_, 0, 1);
  grid->addWidget(cx_, 1, 0);
  grid->addWidget(cy_, 1, 1);
  grid->addWidget(degrees_, 1, 2);
  grid->addWidget(plot, 2, 0);
  grid->addWidget(close, 2, 1);
  cx_->setFocus();
}

void PointEntryDialog::AcceptPair() {
  if (session_.Accept(cx_->text().toStdString(), cy_->text().toStdString(), polar_->isChecked())) {
    cx_->clear();
    cy_->clear();
  }
  cx_->setFocus();
}

}  // namespace velt
