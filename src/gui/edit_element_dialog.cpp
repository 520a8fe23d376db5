#include "gui/edit_element_dialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "anim/iteration.h"
#include "gui/qt_canvas.h"
#include "gui/tool_icons.h"
#include "ui/strings_edit.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

int32_t ColourValue(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace

const std::array<std::pair<const char*, int32_t>, 16>& TEdit_elem::Palette() {
  static const std::array<std::pair<const char*, int32_t>, 16> kPalette = {{
      {"Bamar", 0x00FFFF},
      {"Brojo", 0x0000FF},
      {"Bazul", 0xFFFF00},
      {"Bverde", 0x00FF00},
      {"Bgris", 0xC0C0C0},
      {"Bblanco", 0xFFFFFF},
      {"Bamar2", 0x008080},
      {"Brojo2", 0x000080},
      {"Bazul2", 0xFF0000},
      {"Bverde2", 0x008000},
      {"Bgris2", 0x808080},
      {"Bnegro", 0x000000},
      {"Bvioleta", 0xFF8080},
      {"Bazmarino", 0xC08000},
      {"Bnaranja", 0x0080FF},
      {"Brosado", 0xFF00FF},
  }};
  return kPalette;
}

TEdit_elem::TEdit_elem(const Workspace& ws, EditSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("TEdit_elem");
  auto T = [&](int n) { return QString::fromStdString(ws.Text(n)); };
  setWindowTitle(T(str::kEditElement));
  const EditControls& c = session.controls();
  const EditFields& f = session.initialFields();
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it grows
  auto button = [this](const char* name, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };

  if (c.colour) {
    auto* group = new QGroupBox(T(str::kColourGroup), this);
    auto* grid = new QGridLayout(group);
    int i = 0;
    for (const auto& [name, value] : Palette()) {
      QPushButton* b = button(name, {});
      b->setFixedSize(22, 22);
      b->setStyleSheet(QString("background-color: %1").arg(ToQColor(value).name()));
      connect(b, &QPushButton::clicked, this, [this, v = value] { session_.SetColour(v); });
      grid->addWidget(b, i / 8, i % 8);
      ++i;
    }
    QPushButton* rgb = button("Brgb", T(str::kCustomColour));
    connect(rgb, &QPushButton::clicked, this, [this] {
      const Element* e = session_.element();
      const QColor q = QColorDialog::getColor(ToQColor(e ? e->colour : 0), this);
      if (q.isValid()) session_.SetColour(ColourValue(q));
    });
    QPushButton* par = button("Bcolorpar", T(str::kParametricColourButton));
    connect(par, &QPushButton::clicked, this, [this] {
      session_.CancelAndRequest(EditRequest::ParametricColour);
      done(QDialog::Rejected);
    });
    grid->addWidget(rgb, 2, 0, 1, 4);
    grid->addWidget(par, 2, 4, 1, 4);
    layout->addWidget(group);
  }

  // Styles: the button of the current style shows pressed.
  struct StyleRow {
    bool shown;
    StyleFamily family;
    std::vector<const char*> names;
  };
  const StyleRow rows[] = {
      {c.pointStyles,
       StyleFamily::PointShape,
       {"BPunor", "BPungran", "BPungran2", "BPuncruz", "BPuncuad", "BPun1p"}},
      {c.lineStyles,
       StyleFamily::LineStyle,
       {"Blinor", "Bligran", "Bliray", "Bliray2", "Bligran5", "Bligran7"}},
      {c.angleStyles, StyleFamily::AngleMark, {"Bang1", "Bang2", "Bang3"}},
  };
  for (const StyleRow& row : rows) {
    if (!row.shown) continue;
    auto* group = new QGroupBox(T(str::kStyleGroup), this);
    auto* line = new QHBoxLayout(group);
    auto* exclusive = new QButtonGroup(group);
    for (size_t k = 0; k < row.names.size(); ++k) {
      const int32_t style = static_cast<int32_t>(k) + 1;
      // The button shows the style as the figure draws it.
      QPushButton* b = button(row.names[k], {});
      b->setIcon(StyleIcon(row.family, style));
      b->setIconSize(QSize(24, 24));
      b->setToolTip(QString::number(style));
      b->setCheckable(true);
      b->setChecked(session.style() == style);
      exclusive->addButton(b);
      connect(b, &QPushButton::clicked, this, [this, style] { session_.SetStyle(style); });
      line->addWidget(b);
    }
    layout->addWidget(group);
  }

  auto* toggles = new QHBoxLayout;
  QPushButton* shown = button("verelem", T(str::kShowElement));
  connect(shown, &QPushButton::clicked, this, [this] { session_.ToggleVisible(); });
  toggles->addWidget(shown);
  if (c.nameVisibility) {
    QPushButton* b = button("vernom", T(str::kShowName));
    connect(b, &QPushButton::clicked, this, [this] { session_.ToggleNameVisible(); });
    toggles->addWidget(b);
  }
  QPushButton* del = button("Bborrar", T(str::kDeleteButton));
  connect(del, &QPushButton::clicked, this, [this] {
    session_.Delete();
    done(QDialog::Accepted);
  });
  toggles->addWidget(del);
  layout->addLayout(toggles);

  auto* form = new QFormLayout;
  name_ = new QLineEdit(QString::fromStdString(f.name), this);
  name_->setObjectName("ed_nom");
  form->addRow(T(str::kNameLabel), name_);
  if (c.decimals) {
    decimals_ = new QComboBox(this);
    decimals_->setObjectName("CB_ndec");
    for (int i = 0; i <= 8; ++i) decimals_->addItem(QString::number(i));
    decimals_->setCurrentIndex(f.decimals);
    form->addRow(T(str::kDecimalsLabel), decimals_);
  }
  auto field = [&](const char* name, int label, const std::string& text) {
    auto* e = new QLineEdit(QString::fromStdString(text), this);
    e->setObjectName(name);
    form->addRow(T(label), e);
    return e;
  };
  if (c.pointCount) count_ = field("Ed_npLG", str::kPointCountLabel, f.pointCount);
  if (c.graphRange) {
    from_ = field("Ed_exta", str::kGraphFrom, f.graphFrom);
    to_ = field("Ed_extb", str::kGraphTo, f.graphTo);
  }
  if (c.increment) increment_ = field("Ed_parinct", str::kIncrementLabel, f.increment);
  layout->addLayout(form);

  auto* extras = new QHBoxLayout;
  if (c.labelFont) {
    QPushButton* b = button("B_tiplet", T(str::kLabelFontButton));
    connect(b, &QPushButton::clicked, this, [this] {
      const Element* e = session_.element();
      if (!e || !e->labelFont) return;
      Font font = *e->labelFont;
      bool ok = false;
      const QFont chosen =
          QFontDialog::getFont(&ok, QFont(QString::fromStdString(font.face), font.size), this);
      if (!ok) return;
      font.face = chosen.family().toStdString();
      font.size = chosen.pointSize() > 0 ? chosen.pointSize() : font.size;
      font.bold = chosen.bold();
      font.italic = chosen.italic();
      font.underline = chosen.underline();
      font.strikeOut = chosen.strikeOut();
      session_.SetLabelFont(font);
    });
    extras->addWidget(b);
  }
  if (c.tableOrientation) {
    QPushButton* b = button("B_f_tabla", T(str::kTableOrientation));
    b->setCheckable(true);
    b->setChecked(session.transposed());
    connect(b, &QPushButton::toggled, this, [this](bool down) { session_.SetTransposed(down); });
    extras->addWidget(b);
  }
  if (c.axesUnits) {
    QPushButton* b = button("Bejeuni1", T(str::kEqualAxisUnits));
    b->setEnabled(session.axesUnitsDiffer());
    connect(b, &QPushButton::clicked, this, [this, b] {
      session_.EqualAxisUnits();
      b->setEnabled(false);
    });
    extras->addWidget(b);
  }
  if (c.fullTurn) {
    QPushButton* b = button("B02pi", T(str::kFullTurnAngle));
    b->setCheckable(true);
    b->setChecked(session.fullTurn());
    connect(b, &QPushButton::toggled, this, [this](bool on) { session_.SetFullTurn(on); });
    extras->addWidget(b);
  }
  if (c.unit) {
    // Shows or hides the unit of a dimension; for a plain number, a menu of unit kinds.
    QPushButton* b = button("Buni", T(str::kUnitButton));
    if (session.unitAction() == UnitAction::Toggle) {
      b->setCheckable(true);
      b->setChecked(session.unitShown() != 0);
      connect(b, &QPushButton::clicked, this, [this] { session_.ToggleUnit(); });
    } else {
      auto* menu = new QMenu(b);
      const int kinds[] = {str::kUnitKindNone, str::kUnitKindLength, str::kUnitKindArea,
                           str::kUnitKindAngle};
      for (int32_t k = 0; k < 4; ++k) {
        QAction* a = menu->addAction(T(kinds[k]));
        a->setObjectName(QString("Buni%1").arg(k));
        a->setCheckable(true);
        a->setChecked(session.unitShown() == k);
        connect(a, &QAction::triggered, this, [this, k] { session_.SetUnitKind(k); });
      }
      b->setMenu(menu);
    }
    extras->addWidget(b);
  }
  if (c.invert) {
    // Bold while the button's action is turned over.
    QPushButton* b = button("Binvom", T(str::kInvertButton));
    connect(b, &QPushButton::clicked, this, [this, b] {
      session_.InvertButton();
      QFont f = b->font();
      f.setBold(session_.inverted());
      b->setFont(f);
    });
    extras->addWidget(b);
  }
  if (c.redefinePoint || c.redefineButton) {
    QPushButton* b = button(c.redefineButton ? "Bmodbvnv" : "Bmodpr", T(str::kRedefine));
    const EditRequest r =
        c.redefineButton ? EditRequest::RedefineButton : EditRequest::RedefinePoint;
    connect(b, &QPushButton::clicked, this, [this, r] {
      session_.CancelAndRequest(r);
      done(QDialog::Rejected);
    });
    extras->addWidget(b);
  }
  if (c.editDefinition) {
    QPushButton* b = button("Bmodcpf", T(str::kEditDefinition));
    connect(b, &QPushButton::clicked, this, [this] {
      session_.CancelAndRequest(EditRequest::EditDefinition);
      done(QDialog::Rejected);
    });
    extras->addWidget(b);
  }
  layout->addLayout(extras);
  if (c.iteration) {
    auto* group = new QGroupBox(T(str::kIterationFlags), this);
    auto* line = new QHBoxLayout(group);
    struct Option {
      const char* name;
      int caption;
      int32_t bit;
    };
    const Option options[] = {{"Bitf", str::kIterOnlyLastButton, kIterOnlyLast},
                              {"Bitp", str::kIterPointsButton, kIterDrawPoints},
                              {"Bitc", str::kIterOwnColourButton, kIterOwnColour}};
    for (const Option& o : options) {
      QPushButton* b = button(o.name, T(o.caption));
      b->setCheckable(true);
      b->setChecked((session.iterationOptions() & o.bit) != 0);
      connect(b, &QPushButton::toggled, this,
              [this, bit = o.bit](bool on) { session_.SetIterationOption(bit, on); });
      line->addWidget(b);
    }
    QPushButton* flag = button("Bitcu", T(str::kIterColourFlagButton));
    flag->setCheckable(true);
    flag->setChecked(session.iterationColourFlag());
    connect(flag, &QPushButton::toggled, this,
            [this](bool on) { session_.SetIterationColourFlag(on); });
    line->addWidget(flag);
    layout->addWidget(group);
  }
  if (c.anchor) {
    auto* group = new QGroupBox(T(str::kAnchorGroup), this);
    auto* grid = new QGridLayout(group);
    auto* exclusive = new QButtonGroup(group);
    const Element* e = session.element();
    for (int k = 1; k <= 9; ++k) {
      // Each button shows where the picture hangs from its point; the current one is pressed.
      QPushButton* b = button(qPrintable(QString("B_pBTM%1").arg(k)), {});
      b->setIcon(AnchorIcon(k));
      b->setIconSize(QSize(24, 24));
      b->setToolTip(QString::number(k));
      b->setCheckable(true);
      b->setChecked(e && e->attr1 == k);
      exclusive->addButton(b);
      connect(b, &QPushButton::clicked, this, [this, k] { session_.SetAnchor(k); });
      grid->addWidget(b, (k - 1) / 3, (k - 1) % 3);
    }
    layout->addWidget(group);
  }

  auto* closing = new QHBoxLayout;
  QPushButton* ok = button("BAceptar", T(str::kAcceptButton));
  ok->setDefault(true);
  QPushButton* cancel = button("BCancelar", T(str::kCancelButton));
  connect(ok, &QPushButton::clicked, this, &TEdit_elem::BAceptarClick);
  connect(cancel, &QPushButton::clicked, this, &TEdit_elem::BCancelarClick);
  closing->addStretch();
  closing->addWidget(ok);
  closing->addWidget(cancel);
  layout->addLayout(closing);
}

EditFields TEdit_elem::Fields() const {
  EditFields f = session_.initialFields();
  f.name = name_->text().toStdString();
  if (decimals_) f.decimals = decimals_->currentIndex();
  if (count_) f.pointCount = count_->text().toStdString();
  if (from_) f.graphFrom = from_->text().toStdString();
  if (to_) f.graphTo = to_->text().toStdString();
  if (increment_) f.increment = increment_->text().toStdString();
  return f;
}

void TEdit_elem::BAceptarClick() {
  // A field that does not evaluate keeps the dialog open (the session told the user).
  if (session_.Accept(Fields())) done(QDialog::Accepted);
}

void TEdit_elem::BCancelarClick() { reject(); }

void TEdit_elem::reject() {
  session_.Cancel();
  QDialog::reject();
}

}  // namespace velt
