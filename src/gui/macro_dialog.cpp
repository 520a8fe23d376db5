#include "macro_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help_window.h"
#include "io/macro_file.h"
#include "macros/macro_table.h"
#include "ui/help_pages.h"
#include "ui/macro_commands.h"
#include "ui/strings_files.h"
#include "ui/strings_macros.h"
#include "ui/strings_window.h"

namespace velt {

namespace {
QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}
}  // namespace

QString MacroDialog::T(int number) const { return QString::fromStdString(ws_.Text(number)); }

MacroDialog::MacroDialog(Workspace& ws, Interaction& ix, Host& host, QWidget* parent)
    : QDialog(parent), ws_(ws), ix_(ix), host_(host) {
  setObjectName("TMacCon");
  setWindowTitle(T(str::kMacroTitle) + " - " + QString::fromStdString(ws_.doc().title));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  initials_ = Button(this, "B_eini", T(str::kMacroInitials));
  finals_ = Button(this, "B_efin", T(str::kMacroFinals));
  complete_ = Button(this, "B_comp", T(str::kMacroComplete));
  activate_ = Button(this, "B_activar", T(str::kMacroOk));
  close_ = Button(this, "B_no", T(str::kMacroOk));
  save_ = Button(this, "B_guarmac", T(str::kMacroSave));
  load_ = Button(this, "B_carmac", T(str::kMacroLoad));
  rename_ = Button(this, "B_nombre", T(str::kMacroRename));
  delete_ = Button(this, "B_eliminar", T(str::kMacroDelete));
  help_ = Button(this, "B_ayuda", T(str::kMacroHelp));

  auto* left = new QVBoxLayout;
  left->addWidget(list_);
  left->addWidget(memo_);
  auto* rightColumn = new QVBoxLayout;
  QWidget* previous = memo_;
  for (QPushButton* b :
       {initials_, finals_, complete_, activate_, save_, load_, rename_, delete_, help_, close_}) {
    rightColumn->addWidget(b);
    setTabOrder(previous, b);  // Tab walks down the column as it is seen
    previous = b;
  }
  rightColumn->addStretch();
  auto* all = new QHBoxLayout(this);
  all->addLayout(left, 1);
  all->addLayout(rightColumn);

  const MacroSession& s = ws_.macroSession;
  const bool manyElements = ws_.doc().elements().size() > 1;
  initials_->setEnabled(manyElements);
  finals_->setEnabled(!s.initials.empty());
  complete_->setEnabled(!s.initials.empty() && !s.finals.empty());

  connect(list_, &QListWidget::currentRowChanged, this, [this] { SelectionChanged(); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Finish(Next::Apply); });
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QListWidget::customContextMenuRequested, this, [this] { Rename(); });
  connect(initials_, &QPushButton::clicked, this, [this] { Finish(Next::ChooseInitials); });
  connect(finals_, &QPushButton::clicked, this, [this] { Finish(Next::ChooseFinals); });
  connect(complete_, &QPushButton::clicked, this, [this] { Complete(); });
  connect(activate_, &QPushButton::clicked, this, [this] { Finish(Next::Apply); });
  connect(close_, &QPushButton::clicked, this, [this] { Finish(Next::Nothing); });
  connect(save_, &QPushButton::clicked, this, [this] { Save(); });
  connect(load_, &QPushButton::clicked, this, [this] { ShowLoadMenu(); });
  connect(rename_, &QPushButton::clicked, this, [this] { Rename(); });
  connect(delete_, &QPushButton::clicked, this, [this] { Delete(); });
  connect(help_, &QPushButton::clicked, this, [this] {
    const auto page = help::DialogPage("TMacCon");
    if (!OpenHelpPage(this, ws_.language, QString::fromStdString(*page)))
      host_.ShowMessage(ws_.Text(str::kNoHelpFile), MessageIcon::Warning);
  });
  Refresh(s.chosen);
}

int MacroDialog::Selected() const {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(ws_.doc().macros.size()) ? row : -1;
}

void MacroDialog::Refresh(int select) {
  described_ = -1;
  list_->blockSignals(true);
  list_->clear();
  for (const Macro& m : ws_.doc().macros) list_->addItem(QString::fromStdString(m.header.name));
  list_->setCurrentRow(select);
  list_->blockSignals(false);
  SelectionChanged();
}

void MacroDialog::StoreDescription() {
  if (described_ < 0 || described_ >= static_cast<int>(ws_.doc().macros.size())) return;
  auto& lines = ws_.doc().macros[described_].header.description;
  std::vector<std::string> now;
  const QString text = memo_->toPlainText();
  if (!text.isEmpty())
    for (const QString& line : text.split('\n')) now.push_back(line.toStdString());
  if (now != lines) {
    lines = std::move(now);
    ws_.doc().modified = 1;
  }
}

void MacroDialog::SelectionChanged() {
  StoreDescription();
  const int i = Selected();
  const bool any = i >= 0;
  for (QWidget* w : {static_cast<QWidget*>(save_), static_cast<QWidget*>(delete_),
                     static_cast<QWidget*>(rename_), static_cast<QWidget*>(activate_),
                     static_cast<QWidget*>(memo_)})
    w->setEnabled(any);
  QStringList lines;
  if (any)
    for (const auto& line : ws_.doc().macros[i].header.description)
      lines << QString::fromStdString(line);
  memo_->setPlainText(lines.join('\n'));
  described_ = i;
}

void MacroDialog::Complete() {
  StoreDescription();
  if (ws_.doc().macros.size() >= static_cast<size_t>(kMaxMacros)) {
    host_.ShowMessage(ws_.Text(str::kMacroTableFull), MessageIcon::Warning);
    return;
  }
  bool ok = false;
  const QString name = QInputDialog::getText(this, T(str::kMacroTitle), T(str::kMacroNamePrompt),
                                             QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  if (!CompleteMacro(ix_, ws_, host_, name.toStdString())) return;
  complete_->setEnabled(false);
  finals_->setEnabled(false);
  Refresh(static_cast<int>(ws_.doc().macros.size()) - 1);
}

void MacroDialog::Rename() {
  const int i = Selected();
  if (i < 0) return;
  bool ok = false;
  const QString name =
      QInputDialog::getText(this, T(str::kMacroTitle), T(str::kMacroNamePrompt), QLineEdit::Normal,
                            QString::fromStdString(ws_.doc().macros[i].header.name), &ok);
  if (ok && RenameMacro(ws_.doc(), i, name.toStdString())) Refresh(i);
}

void MacroDialog::Delete() {
  const int i = Selected();
  if (i < 0) return;
  described_ = -1;
  DeleteMacro(ws_.doc(), i);
  Refresh(std::min(i, static_cast<int>(ws_.doc().macros.size()) - 1));
}

void MacroDialog::Save() {
  StoreDescription();
  const int i = Selected();
  if (i < 0) return;
  const Macro& m = ws_.doc().macros[i];
  const QString folder = QString::fromStdString(ws_.macroSession.lastFolder);
  const QString proposed = (folder.isEmpty() ? QString() : folder + "/") +
                           QString::fromStdString(m.header.name) + ".mac";
  QString path =
      QFileDialog::getSaveFileName(this, T(str::kMacroSave), proposed, T(str::kMacroFileFilter));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".mac";
  // Safe saving: the old file stays whole when writing fails.
  if (!SaveMacroFile(m, path.toStdString())) {
    host_.ShowMessage(ws_.Text(str::kWriteError), MessageIcon::Warning);
    return;
  }
  ws_.macroSession.lastFolder = QFileInfo(path).absolutePath().toStdString();
}

void MacroDialog::LoadFromFile() {
  const QString path = QFileDialog::getOpenFileName(
      this, T(str::kMacroLoad), QString::fromStdString(ws_.macroSession.lastFolder),
      T(str::kMacroFileFilter));
  if (path.isEmpty()) return;
  if (!LoadMacroInto(ws_, host_, path.toStdString())) return;
  ws_.macroSession.lastFolder = QFileInfo(path).absolutePath().toStdString();
  Refresh(static_cast<int>(ws_.doc().macros.size()) - 1);
}

void MacroDialog::ShowLoadMenu() {
  QMenu menu(this);
  menu.addAction(T(str::kMacroLoadFromFile), this, [this] { LoadFromFile(); });
  menu.addSeparator();
  menu.addAction(T(str::kMacroOtherDocuments))->setEnabled(false);
  const DocumentSet& docs = ws_.documents;
  for (int d = 0; d < docs.count(); ++d) {
    const Document* other = docs.at(d);
    if (other == &ws_.doc() || other->macros.empty()) continue;
    QMenu* sub = menu.addMenu(QString::fromStdString(other->title));
    for (const Macro& m : other->macros) {
      sub->addAction(QString::fromStdString(m.header.name), this, [this, &m] {
        if (CopyMacroInto(ws_, host_, m)) Refresh(static_cast<int>(ws_.doc().macros.size()) - 1);
      });
    }
  }
  menu.exec(load_->mapToGlobal(QPoint(0, load_->height())));
}

void MacroDialog::Finish(Next next) {
  StoreDescription();
  if (next == Next::Apply && Selected() < 0) return;
  next_ = next;
  chosen_ = Selected();
  accept();
}

}  // namespace velt
