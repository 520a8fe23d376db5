#include "document_list_window.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "ui/strings_appearance.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TV_listadoc::TV_listadoc(DocumentSet& docs, DocumentHost& host, const Options& options,
                         const LanguageTable& language, ChangeRunner change, QWidget* parent)
    : QDialog(parent), session_(docs), host_(host), options_(options), change_(std::move(change)) {
  setObjectName("TV_listadoc");
  setWindowTitle(Q(language.Get(str::kDocumentListCaption)));
  auto* layout = new QGridLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  layout->addWidget(list_, 0, 0, 1, 4);
  auto button = [&](const char* name, int text, int row, int column) {
    auto* b = new QPushButton(Q(language.Get(text)), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    layout->addWidget(b, row, column);
    return b;
  };
  QPushButton* first = button("B_pri", str::kFirst, 1, 0);
  QPushButton* previous = button("B_ant", str::kDocListPrevious, 1, 1);
  QPushButton* next = button("B_sig", str::kDocListNext, 1, 2);
  QPushButton* last = button("B_ult", str::kDocListLast, 1, 3);
  save_ = button("B_guardar", str::kSave, 2, 0);
  QPushButton* close = button("B_cerrar", str::kCloseWord, 2, 3);

  connect(first, &QPushButton::clicked, this, [this] { Walk(&DocumentListSession::First); });
  connect(previous, &QPushButton::clicked, this, [this] { Walk(&DocumentListSession::Previous); });
  connect(next, &QPushButton::clicked, this, [this] { Walk(&DocumentListSession::Next); });
  connect(last, &QPushButton::clicked, this, [this] { Walk(&DocumentListSession::Last); });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0 || row == session_.CurrentRow()) return;
    change_([&] { session_.Select(row); });
    save_->setEnabled(session_.CanSave());
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
  connect(save_, &QPushButton::clicked, this, [this] {
    session_.Save(host_);
    change_([] {});
    Fill();
  });
  connect(close, &QPushButton::clicked, this, [this] {
    bool nothingLeft = false;
    change_([&] { nothingLeft = session_.CloseCurrent(host_, options_); });
    if (nothingLeft) {
      accept();
      return;
    }
    Fill();
  });
  Fill();
  list_->setFocus();
}

void TV_listadoc::Fill() {
  filling_ = true;
  list_->clear();
  for (const std::string& title : session_.Rows()) list_->addItem(Q(title));
  list_->setCurrentRow(session_.CurrentRow());
  save_->setEnabled(session_.CanSave());
  filling_ = false;
}

void TV_listadoc::Walk(void (DocumentListSession::*step)()) {
  change_([&] { (session_.*step)(); });
  filling_ = true;
  list_->setCurrentRow(session_.CurrentRow());
  filling_ = false;
  save_->setEnabled(session_.CanSave());
}

void TV_listadoc::reject() {
  change_([this] { session_.Cancel(); });
  QDialog::reject();
}

}  // namespace velt
