#pragma once
// TOp_fon, "Tipos de Letra": the four fonts of the current document, each replaced at once by
// the font chosen for it; Cancel puts the fonts at opening back.
#include <QDialog>
#include <QFont>
#include <functional>
#include <memory>

#include "ui/font_choice.h"
#include "ui/language.h"

class QLabel;
class QListWidget;

namespace velt {

QFont ToQtFont(const Font& f);
// The face, size and styles of a Qt font; the colour stays the one given.
Font FromQtFont(const QFont& q, int32_t colour);
// The platform's font dialog, its choice kept within 72 points; false when cancelled.
bool AskFont(Font& font, QWidget* parent);

class TOp_fon : public QDialog {
  Q_OBJECT
 public:
  // chooseFont asks for a font (the platform's font dialog unless a test gives another);
  // changed runs after each change so that the window can redraw.
  using FontChooser = std::function<bool(Font&)>;
  TOp_fon(Document& doc, const LanguageTable& language, FontChooser chooseFont,
          std::function<void()> changed, QWidget* parent = nullptr);
  ~TOp_fon() override;
  void done(int result) override;
  // Clicking the preview: the selected row's font through the font chooser.
  void ChooseForSelectedRow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPreview();

  Document& doc_;
  FontsSession session_;
  FontChooser chooseFont_;
  std::function<void()> changed_;
  QListWidget* list_ = nullptr;
  QLabel* preview_ = nullptr;
};

}  // namespace velt
