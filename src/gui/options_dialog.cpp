#include "options_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "geometry/recompute.h"
#include "texts.h"
#include "ui/strings_appearance.h"
#include "ui/strings_measures.h"
#include "ui/strings_settings.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

QColor ToColour(int c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
int FromColour(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

void Paint(QToolButton* b, int colour) {
  b->setProperty("colour", colour);
  QPixmap p(32, 16);
  p.fill(ToColour(colour));
  b->setIcon(QIcon(p));
}

}  // namespace

TOp_Gen::TOp_Gen(Workspace& ws, int screenExtent, Warn warn, QWidget* parent)
    : QDialog(parent), ws_(ws), screenExtent_(screenExtent), warn_(std::move(warn)) {
  setObjectName("TOp_Gen");
  const LanguageTable& lang = ws.language;
  SetText(this, str::kGeneralOptionsTitle, lang);
  const Options& o = ws.options;
  const Document& d = ws.doc();
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("TC_opciones");
  auto edit = [this](const char* name, const QString& value) {
    auto* e = new QLineEdit(value, this);
    e->setObjectName(name);
    return e;
  };
  auto label = [&](int number) {
    auto* l = new QLabel(this);
    SetText(l, number, lang);
    return l;
  };
  auto check = [&](const char* name, int number, bool on) {
    auto* c = new QCheckBox(this);
    c->setObjectName(name);
    SetText(c, number, lang);
    c->setChecked(on);
    return c;
  };
  auto colour = [&](const char* name, int number, int value) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    SetText(b, number, lang, TextRole::Hint);
    Paint(b, value);
    connect(b, &QToolButton::clicked, this, [this, b] {
      const QColor c = QColorDialog::getColor(ToColour(Colour(b)), this);
      if (c.isValid()) Paint(b, FromColour(c));
    });
    return b;
  };

  auto* environment = new QWidget;
  auto* env = new QFormLayout(environment);
  detection_ = edit("Ed_deteccion", QString::number(o.detectionDistance));
  plane_ = edit("Ed_tamano", QString::number(static_cast<long long>(o.planeSize)));
  nameDistance_ = edit("Ed_dist_nombre", QString::number(o.nameDistance));
  env->addRow(label(str::kDetectionDistanceLabel), detection_);
  env->addRow(label(str::kPlaneSizeFieldLabel), plane_);
  env->addRow(label(str::kNameDistanceLabel), nameDistance_);
  background_ = colour("B_fondo", str::kBackgroundCaption, d.backgroundColour);
  hidden_ = colour("B_ocultos", str::kHiddenCaption, d.hiddenColour);
  selection_ = colour("B_seleccion", str::kSelectionCaption, d.selectionColour);
  env->addRow(label(str::kBackgroundCaption), background_);
  env->addRow(label(str::kHiddenCaption), hidden_);
  env->addRow(label(str::kSelectionCaption), selection_);
  adapt_ = check("CkB_adaptar", str::kAdaptCursorColour, o.adaptCursorColour != 0);
  big_ = check("CkB_grandes", str::kBigButtons, o.bigButtons != 0);
  env->addRow(adapt_);
  env->addRow(big_);
  tabs_->addTab(environment, QString::fromStdString(lang.Get(str::kTabEnvironment)));

  auto* construction = new QWidget;
  auto* con = new QFormLayout(construction);
  locus_ = edit("Ed_puntos_lugar", QString::number(o.locusPoints));
  con->addRow(label(str::kLocusPointsLabel), locus_);
  hideMacro_ =
      check("CkB_ocultar_macro", str::kHideMacroIntermediates, o.hideMacroIntermediates != 0);
  stepLast_ = check("CkB_paso_ultimo", str::kStepFromLast, o.stepFromFirst == 0);
  con->addRow(hideMacro_);
  con->addRow(stepLast_);
  tabs_->addTab(construction, QString::fromStdString(lang.Get(str::kTabConstruction)));

  auto* numbers = new QWidget;
  auto* num = new QFormLayout(numbers);
  decimals_ = edit("Ed_decimales", QString::number(o.decimals));
  pixels_ = edit("Ed_pixels", QString::number(d.measureScale));
  auto combo = [&](const char* name, std::initializer_list<int> items, int current) {
    auto* c = new QComboBox(this);
    c->setObjectName(name);
    for (int n : items) c->addItem(QString::fromStdString(lang.Get(n)));
    c->setCurrentIndex(current);
    return c;
  };
  length_ = combo("CB_longitud",
                  {str::LengthUnitText(0), str::LengthUnitText(1), str::LengthUnitText(2),
                   str::LengthUnitText(3)},
                  d.lengthUnit);
  angle_ = combo("CB_angulo", {str::kAngleRad, str::kAngleDeg, str::kAngleGra}, d.angleUnit);
  coordinates_ = combo("CB_coordenadas", {str::kRectangular, str::kPolar}, d.coordinateSystem);
  num->addRow(label(str::kDecimalsFieldLabel), decimals_);
  num->addRow(label(str::kPixelsPerUnitLabel), pixels_);
  num->addRow(label(str::kLengthUnitLabel), length_);
  num->addRow(label(str::kAngleUnitLabel), angle_);
  num->addRow(label(str::kCoordinateSystemLabel), coordinates_);
  tabs_->addTab(numbers, QString::fromStdString(lang.Get(str::kTabNumbers)));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setObjectName("B_aceptar");
  SetText(ok, str::kOk, lang);
  QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
  cancel->setObjectName("B_cancelar");
  SetText(cancel, str::kCancel, lang);
  connect(ok, &QPushButton::clicked, this, [this] { AceptarClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
}

QLineEdit* TOp_Gen::Field(OptionsField f) const {
  switch (f) {
    case OptionsField::DetectionDistance: return detection_;
    case OptionsField::PlaneSize: return plane_;
    case OptionsField::LocusPoints: return locus_;
    case OptionsField::NameDistance: return nameDistance_;
    case OptionsField::Decimals: return decimals_;
    case OptionsField::PixelsPerUnit: return pixels_;
  }
  return detection_;
}

int TOp_Gen::Colour(QToolButton* b) const { return b->property("colour").toInt(); }

void TOp_Gen::AceptarClick() {
  const OptionsFields fields{detection_->text().toStdString(), plane_->text().toStdString(),
                             locus_->text().toStdString(),     nameDistance_->text().toStdString(),
                             decimals_->text().toStdString(),  pixels_->text().toStdString()};
  OptionsValues v;
  if (auto error = CheckOptionsFields(fields, screenExtent_, ws_.language, v)) {
    QLineEdit* field = Field(error->field);
    // The caption is the field's label: the label the form put beside it.
    QString caption;
    for (QWidget* w = field->parentWidget(); w && caption.isEmpty(); w = w->parentWidget())
      if (auto* form = qobject_cast<QFormLayout*>(w->layout()))
        if (auto* l = qobject_cast<QLabel*>(form->labelForField(field))) caption = l->text();
    warn_(caption, QString::fromStdString(error->message));
    tabs_->setCurrentWidget(field->parentWidget());
    field->setFocus();
    return;
  }
  Options& o = ws_.options;
  Document& d = ws_.doc();
  o.detectionDistance = v.detectionDistance;
  o.planeSize = std::max(v.planeSize, screenExtent_);
  o.locusPoints = v.locusPoints;
  o.nameDistance = v.nameDistance;
  o.decimals = v.decimals;
  o.adaptCursorColour = adapt_->isChecked();
  buttonsChanged_ = (o.bigButtons != 0) != big_->isChecked();
  o.bigButtons = big_->isChecked();
  o.hideMacroIntermediates = hideMacro_->isChecked();
  o.stepFromFirst = !stepLast_->isChecked();
  documentChanged_ = d.measureScale != v.pixelsPerUnit || d.lengthUnit != length_->currentIndex() ||
                     d.angleUnit != angle_->currentIndex() ||
                     d.coordinateSystem != coordinates_->currentIndex() ||
                     d.backgroundColour != Colour(background_) ||
                     d.hiddenColour != Colour(hidden_) || d.selectionColour != Colour(selection_);
  d.measureScale = v.pixelsPerUnit;
  d.lengthUnit = length_->currentIndex();
  d.angleUnit = angle_->currentIndex();
  d.coordinateSystem = coordinates_->currentIndex();
  d.backgroundColour = Colour(background_);
  d.hiddenColour = Colour(hidden_);
  d.selectionColour = Colour(selection_);
  if (documentChanged_) d.modified = 1;
  RecomputeAll(d);
  accept();
}

}  // namespace velt
