#pragma once
// TMacCon, "Macros": the document's macros with their descriptions; choosing initial and final
// elements, completing, applying, renaming, deleting, saving to and loading from files, and
// copying from other open documents.
#include <QDialog>

#include "ui/interaction.h"
#include "ui/workspace.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace velt {

class MacroDialog : public QDialog {
  Q_OBJECT
 public:
  // What the window does once the dialog is closed.
  enum class Next { Nothing, ChooseInitials, ChooseFinals, Apply };

  MacroDialog(Workspace& ws, Interaction& ix, Host& host, QWidget* parent = nullptr);
  Next next() const { return next_; }
  int chosenMacro() const { return chosen_; }

 private:
  void Refresh(int select);
  void SelectionChanged();
  void StoreDescription();
  int Selected() const;
  void Complete();
  void Rename();
  void Delete();
  void Save();
  void LoadFromFile();
  void ShowLoadMenu();
  void Finish(Next next);
  QString T(int number) const;

  Workspace& ws_;
  Interaction& ix_;
  Host& host_;
  Next next_ = Next::Nothing;
  int chosen_ = -1;
  int described_ = -1;  // the macro whose description the memo shows

  QListWidget* list_;
  QPlainTextEdit* memo_;
  QPushButton *initials_, *finals_, *complete_, *activate_, *close_, *save_, *load_, *rename_,
      *delete_, *help_;
};

}  // namespace velt
