#pragma once
// TOp_aspecto, "Aspecto de los elementos": the colours and shapes new elements of each type
// receive, the document's colours and font colours, ready-made schemes with a preview, and
// whether new documents start with anti-aliased drawing.
#include <QDialog>
#include <functional>
#include <optional>

#include "ui/appearance_settings.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace velt {

class TOp_aspecto : public QDialog {
  Q_OBJECT
 public:
  // chooseColour asks for a colour starting from the one given (the platform's colour dialog
  // unless a test gives another); applied runs after OK wrote into the document.
  using ColourChooser = std::function<std::optional<int32_t>(int32_t)>;
  TOp_aspecto(Document& doc, Options& options, const LanguageTable& language,
              ColourChooser chooseColour, std::function<void()> applied, QWidget* parent = nullptr);
  void done(int result) override;
  const Appearance& working() const { return working_; }

 private:
  void ShowGroup();
  void PickColour(int32_t& target);

  Document& doc_;
  Options& options_;
  Appearance working_;
  ColourChooser chooseColour_;
  std::function<void()> applied_;
  QComboBox* groups_ = nullptr;
  QComboBox* schemes_ = nullptr;
  QCheckBox* antiAliased_ = nullptr;
  QPushButton* shapes_[6] = {};
  QWidget* preview_ = nullptr;
};

}  // namespace velt
