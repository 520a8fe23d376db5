#include "appearance_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "tool_icons.h"
#include "ui/strings_appearance.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QColor C(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// A small figure drawn with the working copy: one element of every group and the four fonts.
class Preview : public QWidget {
 public:
  Preview(const Appearance& a, QWidget* parent) : QWidget(parent), a_(a) {
    setObjectName("Vista");
    setMinimumSize(280, 200);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width(), h = height();
    p.fillRect(rect(), C(a_.backgroundColour));
    auto pen = [&](int32_t type) {
      QPen q(C(a_.typeColours[type]), 1.5);
      static const Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                             Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
      const int s = a_.typeStyles[type];
      if (s >= 1 && s <= 6) q.setStyle(kStyles[s - 1]);
      if (s == 6) q.setWidthF(3);
      p.setPen(q);
      p.setBrush(Qt::NoBrush);
    };
    pen(kTypeLine);
    p.drawLine(QPointF(0, h * 0.15), QPointF(w, h * 0.35));
    pen(kTypeRay);
    p.drawLine(QPointF(w * 0.1, h * 0.9), QPointF(w, h * 0.55));
    pen(kTypeSegment);
    p.drawLine(QPointF(w * 0.08, h * 0.5), QPointF(w * 0.4, h * 0.7));
    pen(kTypePolygon);
    p.drawPolygon(QPolygonF(
        {QPointF(w * 0.55, h * 0.6), QPointF(w * 0.75, h * 0.55), QPointF(w * 0.68, h * 0.8)}));
    pen(kTypeCircle);
    p.drawEllipse(QPointF(w * 0.25, h * 0.35), h * 0.15, h * 0.15);
    pen(kTypeArc);
    p.drawArc(QRectF(w * 0.7, h * 0.1, h * 0.3, h * 0.3), 0, 180 * 16);
    pen(kTypeAngle);
    p.drawArc(QRectF(w * 0.05, h * 0.42, h * 0.16, h * 0.16), -30 * 16, 60 * 16);
    pen(kTypeLocus);
    QPainterPath locus(QPointF(w * 0.45, h * 0.95));
    locus.cubicTo(QPointF(w * 0.55, h * 0.75), QPointF(w * 0.8, h * 1.0),
                  QPointF(w * 0.95, h * 0.85));
    p.drawPath(locus);
    pen(kTypeIteration);
    p.drawRect(QRectF(w * 0.85, h * 0.42, w * 0.08, h * 0.08));
    p.setPen(C(a_.typeColours[kTypePoint]));
    p.setBrush(C(a_.typeColours[kTypePoint]));
    p.drawEllipse(QPointF(w * 0.4, h * 0.7), 3, 3);
    p.drawEllipse(QPointF(w * 0.08, h * 0.5), 3, 3);
    // Hidden and selected elements, then the four fonts.
    p.setPen(QPen(C(a_.hiddenColour), 1.5));
    p.drawLine(QPointF(w * 0.05, h * 0.05), QPointF(w * 0.35, h * 0.05));
    p.setPen(QPen(C(a_.selectionColour), 3));
    p.drawLine(QPointF(w * 0.05, h * 0.1), QPointF(w * 0.35, h * 0.1));
    static const char* kSamples[] = {"Punto", "A", "1.25", "Texto"};
    for (int i = 0; i < kDocumentFontCount; ++i) {
      p.setPen(C(a_.fontColours[i]));
      p.drawText(QPointF(w * 0.45 + i * w * 0.13, h * 0.48), kSamples[i]);
    }
  }

 private:
  const Appearance& a_;
};

}  // namespace

TOp_aspecto::TOp_aspecto(Document& doc, Options& options, const LanguageTable& language,
                         ColourChooser chooseColour, std::function<void()> applied, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      options_(options),
      working_(AppearanceOf(doc)),
      chooseColour_(std::move(chooseColour)),
      applied_(std::move(applied)) {
  setObjectName("TOp_aspecto");
  setWindowTitle(Q(language.Get(str::kAppearanceCaption)));
  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it grows

  auto* group = new QGroupBox(Q(language.Get(str::kColourShapeCaption)), this);
  auto* g = new QGridLayout(group);
  groups_ = new QComboBox(group);
  groups_->setObjectName("ComboBox1");
  for (int i = 0; i < kAppearanceGroupCount; ++i)
    groups_->addItem(Q(language.Get(str::kTypeGroupText + i)));
  g->addWidget(groups_, 0, 0, 1, 6);
  auto* colour = new QPushButton(Q(language.Get(str::kColourButtonCaption)), group);
  colour->setObjectName("B_colgrupo");
  g->addWidget(colour, 1, 0, 1, 6);
  auto* shapeGroup = new QButtonGroup(this);
  for (int i = 0; i < 6; ++i) {
    shapes_[i] = new QPushButton(group);
    shapes_[i]->setIconSize(QSize(24, 24));
    shapes_[i]->setObjectName(QString("B_forma%1").arg(i + 1));
    shapes_[i]->setToolTip(Q(language.Get(str::kShapeButtonCaption)));
    shapes_[i]->setCheckable(true);
    shapeGroup->addButton(shapes_[i], i + 1);
    g->addWidget(shapes_[i], 2, i);
  }
  g->addWidget(new QLabel(Q(language.Get(str::kAxesFollowCaption)), group), 3, 0, 1, 6);
  layout->addWidget(group, 0, 0);

  auto* colours = new QGroupBox(Q(language.Get(str::kFontColoursCaption)), this);
  auto* c = new QGridLayout(colours);
  auto colourButton = [&](const char* name, int text, int32_t& target, int row) {
    auto* b = new QPushButton(Q(language.Get(text)), colours);
    b->setObjectName(name);
    b->setAutoDefault(false);
    c->addWidget(b, row / 2, row % 2);
    connect(b, &QPushButton::clicked, this, [this, &target] { PickColour(target); });
  };
  colourButton("B_colfondo", str::kBackgroundCaption, working_.backgroundColour, 0);
  colourButton("B_coloculto", str::kHiddenCaption, working_.hiddenColour, 1);
  colourButton("B_colsel", str::kSelectionCaption, working_.selectionColour, 2);
  static const char* kFontButtons[] = {"B_colletra1", "B_colletra2", "B_colletra3", "B_colletra4"};
  for (int i = 0; i < kDocumentFontCount; ++i)
    colourButton(kFontButtons[i], str::kCursorMessagesRowText + i, working_.fontColours[i], 3 + i);
  layout->addWidget(colours, 1, 0);

  auto* right = new QGridLayout();
  right->addWidget(new QLabel(Q(language.Get(str::kSchemesCaption)), this), 0, 0);
  schemes_ = new QComboBox(this);
  schemes_->setObjectName("ComboBox2");
  for (int i = 0; i < kAppearanceSchemeCount; ++i)
    schemes_->addItem(Q(language.Get(SchemeNameNumber(i, language))));
  right->addWidget(schemes_, 0, 1);
  right->addWidget(new QLabel(Q(language.Get(str::kPreviewCaption)), this), 1, 0, 1, 2);
  preview_ = new Preview(working_, this);
  right->addWidget(preview_, 2, 0, 1, 2);
  layout->addLayout(right, 0, 1, 2, 1);

  antiAliased_ = new QCheckBox(Q(language.Get(str::kAntiAliasedNewCaption)), this);
  antiAliased_->setObjectName("CkB_AA_nd");
  antiAliased_->setChecked(options_.antiAliased != 0);
  layout->addWidget(antiAliased_, 2, 0, 1, 2);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Q(language.Get(str::kOk)), QDialogButtonBox::AcceptRole)
      ->setObjectName("B_aceptar");
  buttons->addButton(Q(language.Get(str::kCancel)), QDialogButtonBox::RejectRole)
      ->setObjectName("B_cancelar");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons, 3, 0, 1, 2);

  connect(groups_, &QComboBox::currentIndexChanged, this, [this] { ShowGroup(); });
  connect(colour, &QPushButton::clicked, this, [this] {
    int32_t value = working_.typeColours[GroupType(groups_->currentIndex())];
    PickColour(value);
    SetGroupColour(working_, groups_->currentIndex(), value);
    preview_->update();
  });
  connect(shapeGroup, &QButtonGroup::idClicked, this, [this](int style) {
    SetGroupStyle(working_, groups_->currentIndex(), style);
    ShowGroup();
  });
  connect(schemes_, &QComboBox::currentIndexChanged, this, [this](int scheme) {
    ApplyScheme(working_, scheme, doc_, options_);
    ShowGroup();
  });
  ShowGroup();
}

void TOp_aspecto::ShowGroup() {
  const int group = groups_->currentIndex();
  const StyleFamily family = GroupStyleFamily(group);
  const int codes = StyleCodeCount(family);
  const int style = working_.typeStyles[GroupType(group)];
  for (int i = 0; i < 6; ++i) {
    shapes_[i]->setIcon(StyleIcon(family, i + 1));
    shapes_[i]->setEnabled(i < codes);
    shapes_[i]->setChecked(i + 1 == style);
  }
  preview_->update();
}

void TOp_aspecto::PickColour(int32_t& target) {
  std::optional<int32_t> chosen;
  if (chooseColour_) {
    chosen = chooseColour_(target);
  } else {
    const QColor q = QColorDialog::getColor(C(target), this);
    if (q.isValid()) chosen = q.red() | (q.green() << 8) | (q.blue() << 16);
  }
  if (chosen) target = *chosen & 0xFFFFFF;
  preview_->update();
}

void TOp_aspecto::done(int result) {
  if (result == QDialog::Accepted) {
    options_.antiAliased = antiAliased_->isChecked() ? 1 : 0;
    ApplyAppearance(working_, doc_);
    if (applied_) applied_();
  }
  QDialog::done(result);
}

}  // namespace velt
