#pragma once
// TVTexto, the text editor: a rich-text field with fonts, colours, bold, italic, underline and
// the Greek button. It loads and gives back an EditedText; the tool makes the element.
#include <QDialog>

#include "ui/text_editing.h"
#include "ui/workspace.h"

class QTextEdit;
class QToolButton;
class QTextCharFormat;

namespace velt {

class TVTexto : public QDialog {
  Q_OBJECT
 public:
  // `base` is the document's text font (the Greek button returns to its face); the field's
  // background is the plane's.
  TVTexto(const Workspace& ws, const EditedText& text, const Font& base, int32_t background,
          QWidget* parent = nullptr);
  // The field as lines of fragments, with the current font.
  EditedText Edited() const;
  QTextEdit* memo() const { return memo_; }
  QToolButton* greek() const { return greek_; }
  // Formatting of the selection, or of what is typed next.
  void SetGreek(bool on);
  void SetBold(bool on);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Apply(const QTextCharFormat& f);
  void ShowAttributes();
  void ChooseFont();
  void ChooseColour();

  Font base_;
  Font current_;
  QTextEdit* memo_;
  QToolButton *bold_, *italic_, *under_, *greek_;
};

// Font records and Qt character formats.
QTextCharFormat FormatOf(const Font& f);
Font FontOf(const QTextCharFormat& f);

}  // namespace velt
