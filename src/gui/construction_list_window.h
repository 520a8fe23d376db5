#pragma once
// "Lista construcción": the elements of the current document in construction order, one row
// each; the selected row's element is highlighted in the figure.
#include <QDialog>
#include <functional>
#include <vector>

#include "ui/construction_list.h"
#include "ui/workspace.h"

class QListWidget;
class QToolButton;

namespace velt {

class ConstructionListWindow : public QDialog {
  Q_OBJECT
 public:
  // redraw draws the figure again; edit opens the element dialog (false: nothing changed).
  ConstructionListWindow(Workspace& ws, std::function<void()> redraw,
                         std::function<bool(Element&)> edit, QWidget* parent = nullptr);

  // Rebuilds the rows from the current document (after show-all or a change).
  void Refill();
  // First, last, previous, next (B_pri, B_ult, B_ant, B_sig).
  void Step(ListStep step);
  // The list as text on the clipboard (M_copiar).
  void CopyText();
  const std::vector<ListRow>& rows() const { return rows_; }
  Element* highlighted() const { return highlighted_; }

 protected:
  void done(int result) override;

 private:
  void Highlight(int row);

  Workspace& ws_;
  std::function<void()> redraw_;
  std::function<bool(Element&)> edit_;
  QListWidget* list_ = nullptr;
  QToolButton* showAll_ = nullptr;
  std::vector<ListRow> rows_;
  Element* highlighted_ = nullptr;
};

}  // namespace velt
