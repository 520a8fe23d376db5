#pragma once
// TV_listadoc, the list of open documents: each selection is shown in the main window at
// once; the current document can be saved and closed; Escape goes back to the document that
// was current at opening.
#include <QDialog>
#include <functional>

#include "ui/document_list.h"
#include "ui/language.h"

class QListWidget;
class QPushButton;

namespace velt {

class TV_listadoc : public QDialog {
  Q_OBJECT
 public:
  // change runs a change of the current document with whatever the main window does around
  // one (leaving the gesture, showing the new document).
  using ChangeRunner = std::function<void(const std::function<void()>&)>;
  TV_listadoc(DocumentSet& docs, DocumentHost& host, const Options& options,
              const LanguageTable& language, ChangeRunner change, QWidget* parent = nullptr);
  void reject() override;

 private:
  void Fill();
  void Walk(void (DocumentListSession::*step)());

  DocumentListSession session_;
  DocumentHost& host_;
  const Options& options_;
  ChangeRunner change_;
  QListWidget* list_ = nullptr;
  QPushButton* save_ = nullptr;
  bool filling_ = false;
};

}  // namespace velt
