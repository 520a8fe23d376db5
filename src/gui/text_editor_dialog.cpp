#include "gui/text_editor_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/qt_canvas.h"
#include "ui/strings_edit.h"
#include "view/greek_symbols.h"

namespace velt {
namespace {

constexpr const char* kSymbolFace = "Symbol";

int32_t ColourValue(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace

QTextCharFormat FormatOf(const Font& f) {
  QTextCharFormat q;
  q.setFontFamilies({QString::fromStdString(f.face)});
  q.setFontPointSize(f.size > 0 ? f.size : 10);
  q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  q.setFontItalic(f.italic != 0);
  q.setFontUnderline(f.underline != 0);
  q.setFontStrikeOut(f.strikeOut != 0);
  q.setForeground(ToQColor(f.colour));
  return q;
}

Font FontOf(const QTextCharFormat& q) {
  Font f;
  const QStringList families = q.fontFamilies().toStringList();
  f.face = families.isEmpty() ? q.font().family().toStdString() : families.first().toStdString();
  f.size = static_cast<int32_t>(q.fontPointSize() > 0 ? q.fontPointSize() : 10);
  f.bold = q.fontWeight() >= QFont::Bold ? 1 : 0;
  f.italic = q.fontItalic() ? 1 : 0;
  f.underline = q.fontUnderline() ? 1 : 0;
  f.strikeOut = q.fontStrikeOut() ? 1 : 0;
  f.colour = ColourValue(q.foreground().color());
  return f;
}

TVTexto::TVTexto(const Workspace& ws, const EditedText& text, const Font& base, int32_t background,
                 QWidget* parent)
    : QDialog(parent), base_(base), current_(text.font) {
  setObjectName("TVTexto");
  auto T = [&](int n) { return QString::fromStdString(ws.Text(n)); };
  setWindowTitle(T(str::kTextEditorCaption));
  memo_ = new QTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setAcceptRichText(false);
  QPalette pal = memo_->palette();
  pal.setColor(QPalette::Base, ToQColor(background));
  memo_->setPalette(pal);
  // The stored lines, fragment by fragment.
  QTextCursor cursor(memo_->document());
  for (size_t i = 0; i < text.lines.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    for (const TextFragment& fr : text.lines[i])
      cursor.insertText(QString::fromStdString(fr.text), FormatOf(fr.font));
  }
  memo_->setCurrentCharFormat(FormatOf(current_));
  memo_->installEventFilter(this);
  memo_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(memo_, &QWidget::customContextMenuRequested, this, [this, T](const QPoint& at) {
    QMenu menu(this);
    menu.addAction(T(str::kCutMenu), memo_, &QTextEdit::cut);
    menu.addAction(T(str::kCopyMenu), memo_, &QTextEdit::copy);
    menu.addAction(T(str::kPasteMenu), memo_, &QTextEdit::paste);
    menu.addAction(T(str::kEraseMenu), this, [this] { memo_->textCursor().removeSelectedText(); });
    menu.addAction(T(str::kSelectAllMenu), memo_, &QTextEdit::selectAll);
    menu.exec(memo_->mapToGlobal(at));
  });

  auto button = [&](const char* name, int label, bool checkable) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(T(label));
    b->setCheckable(checkable);
    return b;
  };
  auto* font = button("B_font", str::kFontButton, false);
  bold_ = button("B_bold", str::kBoldButton, true);
  italic_ = button("B_italic", str::kItalicButton, true);
  under_ = button("B_under", str::kUnderlineButton, true);
  auto* colour = button("B_color", str::kColourButton, false);
  greek_ = button("B_Lgriega", str::kGreekButton, true);
  // Each style button writes its letter in the style it sets.
  QFont look = bold_->font();
  look.setBold(true);
  bold_->setFont(look);
  look = italic_->font();
  look.setItalic(true);
  italic_->setFont(look);
  look = under_->font();
  look.setUnderline(true);
  under_->setFont(look);
  connect(font, &QToolButton::clicked, this, &TVTexto::ChooseFont);
  connect(colour, &QToolButton::clicked, this, &TVTexto::ChooseColour);
  connect(bold_, &QToolButton::clicked, this, &TVTexto::SetBold);
  connect(italic_, &QToolButton::clicked, this, [this](bool on) {
    QTextCharFormat f;
    f.setFontItalic(on);
    Apply(f);
  });
  connect(under_, &QToolButton::clicked, this, [this](bool on) {
    QTextCharFormat f;
    f.setFontUnderline(on);
    Apply(f);
  });
  connect(greek_, &QToolButton::clicked, this, &TVTexto::SetGreek);
  connect(memo_, &QTextEdit::cursorPositionChanged, this, &TVTexto::ShowAttributes);

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(T(str::kAcceptButton), QDialogButtonBox::AcceptRole);
  ok->setObjectName("B_OK");
  auto* cancel = buttons->addButton(T(str::kCancelButton), QDialogButtonBox::RejectRole);
  cancel->setObjectName("B_cancelar");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* bar = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(font), static_cast<QWidget*>(bold_),
                     static_cast<QWidget*>(italic_), static_cast<QWidget*>(under_),
                     static_cast<QWidget*>(colour), static_cast<QWidget*>(greek_)})
    bar->addWidget(w);
  bar->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(memo_);
  layout->addWidget(buttons);
  ShowAttributes();
}

void TVTexto::Apply(const QTextCharFormat& f) {
  memo_->mergeCurrentCharFormat(f);
  current_ = FontOf(memo_->currentCharFormat());
}

void TVTexto::SetBold(bool on) {
  QTextCharFormat f;
  f.setFontWeight(on ? QFont::Bold : QFont::Normal);
  Apply(f);
  bold_->setChecked(on);
}

void TVTexto::SetGreek(bool on) {
  if (on && memo_->document()->isEmpty()) {
    // An empty field takes a blank, selected, so that the face takes hold.
    QTextCursor c = memo_->textCursor();
    c.insertText(" ");
    c.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
    memo_->setTextCursor(c);
  }
  QTextCharFormat f;
  f.setFontFamilies({QString(on ? kSymbolFace : QString::fromStdString(base_.face))});
  Apply(f);
  greek_->setChecked(on);
}

void TVTexto::ShowAttributes() {
  const QTextCharFormat f = memo_->currentCharFormat();
  bold_->setChecked(f.fontWeight() >= QFont::Bold);
  italic_->setChecked(f.fontItalic());
  under_->setChecked(f.fontUnderline());
  greek_->setChecked(IsSymbolFace(FontOf(f).face));
  current_ = FontOf(f);
}

void TVTexto::ChooseFont() {
  bool ok = false;
  QFont start(QString::fromStdString(current_.face), current_.size);
  const QFont chosen = QFontDialog::getFont(&ok, start, this);
  if (!ok) return;
  QTextCharFormat f;
  f.setFontFamilies({chosen.family()});
  f.setFontPointSize(chosen.pointSize() > 0 ? chosen.pointSize() : 10);
  f.setFontWeight(chosen.bold() ? QFont::Bold : QFont::Normal);
  f.setFontItalic(chosen.italic());
  f.setFontUnderline(chosen.underline());
  f.setFontStrikeOut(chosen.strikeOut());
  Apply(f);
  ShowAttributes();
}

void TVTexto::ChooseColour() {
  const QColor c = QColorDialog::getColor(ToQColor(current_.colour), this);
  if (!c.isValid()) return;
  QTextCharFormat f;
  f.setForeground(c);
  Apply(f);
}

bool TVTexto::eventFilter(QObject* watched, QEvent* event) {
  // With the Greek face, typed letters are written as the Greek letters they stand for.
  if (watched == memo_ && event->type() == QEvent::KeyPress && greek_->isChecked()) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.size() == 1 && typed[0].isPrint() && !(key->modifiers() & Qt::ControlModifier)) {
      const std::string greek = SymbolToGreek(typed.toStdString());
      memo_->textCursor().insertText(QString::fromStdString(greek), memo_->currentCharFormat());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

EditedText TVTexto::Edited() const {
  EditedText out;
  out.font = current_;
  for (QTextBlock b = memo_->document()->begin(); b.isValid(); b = b.next()) {
    std::vector<TextFragment> line;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment fr = it.fragment();
      if (fr.isValid()) line.push_back({fr.text().toStdString(), FontOf(fr.charFormat())});
    }
    out.lines.push_back(std::move(line));
  }
  return out;
}

}  // namespace velt
