#include "help_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>

#include "texts.h"
#include "ui/help_pages.h"
#include "ui/strings_help.h"

namespace velt {
namespace {

QPushButton* Button(QWidget* parent, const char* name, int text, const LanguageTable& lang) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  SetText(b, text, lang);
  return b;
}

}  // namespace

QString HelpFolder(const LanguageTable& lang) {
  const QString app = QCoreApplication::applicationDirPath();
  const QString language = QString::fromUtf8(help::LanguageFolder(lang.IsSpanish()).data());
  for (const QString& d :
       {qEnvironmentVariable("VELT_HELP_DIR"), app + "/help", app + "/../share/velt/help"}) {
    if (d.isEmpty()) continue;
    const QString folder = d + "/" + language;
    if (QFileInfo::exists(folder + "/" + QString::fromUtf8(help::kIndexPage.data())))
      return QDir(folder).canonicalPath();
  }
  return {};
}

HelpWindow::HelpWindow(const LanguageTable& lang, QWidget* parent) : QDialog(parent) {
  setObjectName("TV_ayuda");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  SetText(this, str::kHelpWindowTitle, lang);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("Browser");
  browser_->setOpenExternalLinks(true);
  QPushButton* index = Button(this, "B_indice", str::kHelpIndexButton, lang);
  QPushButton* back = Button(this, "B_atras", str::kHelpBackButton, lang);
  QPushButton* forward = Button(this, "B_adelante", str::kHelpForwardButton, lang);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(index, &QPushButton::clicked, this,
          [this] { ShowPage(folder_, QString::fromUtf8(help::kIndexPage.data())); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {index, back, forward}) buttons->addWidget(b);
  buttons->addStretch();
  auto* all = new QVBoxLayout(this);
  all->addLayout(buttons);
  all->addWidget(browser_, 1);
  resize(640, 560);
}

void HelpWindow::ShowPage(const QString& folder, const QString& file) {
  folder_ = folder;
  browser_->setSource(QUrl::fromLocalFile(folder + "/" + file));
}

QString HelpWindow::currentPage() const { return browser_->source().fileName(); }

bool OpenHelpPage(QWidget* from, const LanguageTable& lang, const QString& file,
                  HelpWindow** shared) {
  const QString folder = HelpFolder(lang);
  if (folder.isEmpty()) return false;
  // A modal dialog blocks every window but its own children: its help is a window of its own.
  QWidget* modal = QApplication::activeModalWidget();
  HelpWindow* w = nullptr;
  if (modal && modal != from->window()) from = modal;
  if (shared && !modal) {
    if (!*shared) *shared = new HelpWindow(lang, from);
    w = *shared;
  } else {
    w = new HelpWindow(lang, from);
    w->setAttribute(Qt::WA_DeleteOnClose);
  }
  RefreshTexts(w, lang);
  w->ShowPage(folder, file);
  w->show();
  w->raise();
  w->activateWindow();
  return true;
}

namespace {

// F1 in a window that has a help page of its own.
class DialogHelpKey : public QObject {
 public:
  DialogHelpKey(QWidget* owner, const LanguageTable& lang, std::function<void()> notFound)
      : QObject(owner), owner_(owner), lang_(lang), notFound_(std::move(notFound)) {}

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !target->isWidgetType())
      return false;
    QWidget* window = static_cast<QWidget*>(target)->window();
    if (window == owner_ || !OwnedBy(window)) return false;
    const auto page = help::DialogPage(window->objectName().toStdString());
    if (!page) return false;
    if (!OpenHelpPage(window, lang_, QString::fromStdString(*page))) notFound_();
    return true;
  }

 private:
  // Whether the window is one of the owner's, however deep (dialogs of dialogs).
  bool OwnedBy(const QWidget* window) const {
    for (const QWidget* w = window; w; w = w->parentWidget())
      if (w == owner_) return true;
    return false;
  }

  QWidget* owner_;
  const LanguageTable& lang_;
  std::function<void()> notFound_;
};

}  // namespace

void InstallDialogHelpKey(QWidget* owner, const LanguageTable& lang,
                          std::function<void()> notFound) {
  qApp->installEventFilter(new DialogHelpKey(owner, lang, std::move(notFound)));
}

}  // namespace velt
