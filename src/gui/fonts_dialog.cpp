#include "fonts_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFontDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/strings_appearance.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Rgb(int32_t c) {
  return QString("rgb(%1,%2,%3)").arg(c & 0xFF).arg((c >> 8) & 0xFF).arg((c >> 16) & 0xFF);
}

}  // namespace

QFont ToQtFont(const Font& f) {
  QFont q(Q(f.face));
  q.setPointSize(f.size > 0 ? f.size : 10);
  q.setBold(f.bold != 0);
  q.setItalic(f.italic != 0);
  q.setUnderline(f.underline != 0);
  q.setStrikeOut(f.strikeOut != 0);
  return q;
}

Font FromQtFont(const QFont& q, int32_t colour) {
  Font f;
  f.face = q.family().toStdString();
  f.colour = colour;
  f.size = q.pointSize() > 0 ? q.pointSize() : 10;
  f.bold = q.bold() ? 1 : 0;
  f.italic = q.italic() ? 1 : 0;
  f.underline = q.underline() ? 1 : 0;
  f.strikeOut = q.strikeOut() ? 1 : 0;
  return FitFont(f);
}

bool AskFont(Font& font, QWidget* parent) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQtFont(font), parent);
  if (!ok) return false;
  font = FromQtFont(chosen, font.colour);
  return true;
}

TOp_fon::TOp_fon(Document& doc, const LanguageTable& language, FontChooser chooseFont,
                 std::function<void()> changed, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      session_(doc),
      chooseFont_(std::move(chooseFont)),
      changed_(std::move(changed)) {
  setObjectName("TOp_fon");
  setWindowTitle(Q(language.Get(str::kFontsCaption)));
  auto* layout = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  for (int i = 0; i < kDocumentFontCount; ++i)
    list_->addItem(Q(language.Get(str::kCursorMessagesRowText + i)));
  list_->setCurrentRow(0);
  layout->addWidget(list_);
  preview_ = new QLabel(" AaBb123", this);
  preview_->setObjectName("Label1");
  preview_->setMinimumSize(260, 110);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setCursor(Qt::PointingHandCursor);
  preview_->installEventFilter(this);
  layout->addWidget(preview_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Q(language.Get(str::kOk)), QDialogButtonBox::AcceptRole);
  ok->setObjectName("B_aceptar");
  QPushButton* cancel =
      buttons->addButton(Q(language.Get(str::kCancel)), QDialogButtonBox::RejectRole);
  cancel->setObjectName("B_cancelar");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowPreview(); });
  ShowPreview();
}

TOp_fon::~TOp_fon() = default;

void TOp_fon::ShowPreview() {
  const Font& f = session_.FontOf(list_->currentRow());
  preview_->setFont(ToQtFont(f));
  preview_->setStyleSheet(QString("QLabel { background-color: %1; color: %2; }")
                              .arg(Rgb(doc_.backgroundColour), Rgb(f.colour)));
}

void TOp_fon::ChooseForSelectedRow() {
  const int row = list_->currentRow();
  Font f = session_.FontOf(row);
  if (!chooseFont_ || !chooseFont_(f)) return;
  session_.Replace(row, f);
  ShowPreview();
  if (changed_) changed_();
}

bool TOp_fon::eventFilter(QObject* watched, QEvent* event) {
  if (watched == preview_ && event->type() == QEvent::MouseButtonRelease) {
    ChooseForSelectedRow();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TOp_fon::done(int result) {
  if (result == QDialog::Accepted) {
    session_.Confirm();
  } else {
    session_.Cancel();
  }
  if (changed_) changed_();
  QDialog::done(result);
}

}  // namespace velt
