// Options, languages, recent files and the window placement of MainWindow.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "io/document_file.h"
#include "io/options_file.h"
#include "io/recent_files.h"
#include "io/recovery.h"
#include "language_dialog.h"
#include "main_window.h"
#include "options_dialog.h"
#include "plane_widget.h"
#include "recovery_session.h"
#include "settings_store.h"
#include "texts.h"
#include "ui/strings_files.h"
#include "ui/strings_settings.h"
#include "ui/strings_window.h"
#include "ui/viewer_mode.h"

namespace velt {
namespace {

int CurrentScreenExtent() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? ScreenExtent(s->size().width(), s->size().height()) : 1000;
}

}  // namespace

void MainWindow::BuildOptionsMenu(QMenu* menu) {
  menu->addAction(
      MakeAction("M_op_Gen", str::kGeneralOptionsMenu, [this] { GeneralOptionsCommand(); }));
  AddDialogCommands(menu);  // appearance, fonts, and the document list in its own menu
  actions_["M_listadoc"]->setShortcut(QKeySequence(Qt::Key_F11));
  menu->addAction(MakeAction("M_idioma", str::kLanguageMenu, [this] { LanguageCommand(); }));
  menu->addSeparator();
  menu->addAction(
      MakeAction("M_op_orig", str::kFactoryOptions, [this] { FactoryOptionsCommand(); }));
  menu->addAction(MakeAction("M_op_save", str::kSaveOptions, [this] { SaveOptionsCommand(); }));
  menu->addAction(MakeAction("M_borrar_recientes", str::kClearRecent, [this] {
    SetRecentFiles({});
    if (persist_) ClearRecentFiles();
  }));
}

void MainWindow::Start(const StartState& start) {
  ws_.options = start.options;
  optionsPath_ = start.optionsPath;
  persist_ = start.persist;
  // The untouched first document takes the options' colours, fonts and units.
  for (int i = 0; i < ws_.documents.count(); ++i) {
    Document* d = ws_.documents.at(i);
    if (d->fileName.empty() && d->elements().empty() && !d->modified)
      ApplyOptionsToDocument(ws_.options, *d);
  }
  ws_.showHidden = ws_.options.showHidden != 0;
  if (persist_) {
    recent_ = LoadRecentFiles();
    const QString dir = LoadLastFolder("Last Dir");
    if (!dir.isEmpty() && QDir(dir).exists()) QDir::setCurrent(dir);
    const WindowPlacement p = LoadPlacement();
    if (p.valid) PlaceFromStore(p.normal, p.state, p.fullScreen);
  }
  RebuildRecentMenu();
  ApplyLanguage(start.language);
  ApplyBars();
  if (!start.recoveryRoot.empty()) {
    OfferRecovery(start.recoveryRoot);
    EnableRecovery(start.recoveryRoot);
  }
}

void MainWindow::OfferRecovery(const std::filesystem::path& root) {
  for (const std::filesystem::path& run : RecoverySession::Abandoned(root)) {
    for (const RecoveryCopy& copy : ListRecoveryCopies(run)) {
      const QString title = QString::fromStdString(copy.title);
      if (Ask("VELT - " + title, T(str::kRecoveryOffer), QMessageBox::Yes | QMessageBox::No,
              QMessageBox::Question) != QMessageBox::Yes)
        continue;
      DocumentLoad load = LoadDocumentFile(copy.file, ws_.options);
      if (!load.document) {
        ShowMessage(ws_.Text(str::kNotAValidFile), MessageIcon::Error);
        continue;
      }
      if (!ws_.documents.placeholder() && ws_.documents.count() >= kMaxDocuments) {
        ShowMessage(ws_.Text(str::kTooManyDocuments), MessageIcon::Error);
        break;
      }
      // The restored figure is the user's document again, with its changes still unsaved.
      load.document->fileName = copy.originalPath;
      load.document->title = copy.title;
      load.document->modified = 1;
      ix_.BeforeDocumentChange();
      ws_.documents.Adopt(std::move(load.document), ws_.options);
      AfterDocumentChange();
    }
    std::error_code ec;
    std::filesystem::remove_all(run, ec);
  }
}

void MainWindow::EnableRecovery(const std::filesystem::path& root) {
  recovery_ = std::make_unique<RecoverySession>(root);
  if (!autosave_) {
    autosave_ = new QTimer(this);
    autosave_->setInterval(60 * 1000);
    connect(autosave_, &QTimer::timeout, this, [this] { AutosaveNow(); });
  }
  autosave_->start();
}

void MainWindow::AutosaveNow() {
  if (recovery_) recovery_->Autosave(ws_.documents);
}

void MainWindow::ApplyBars() {
  const Options& o = ws_.options;
  for (auto [name, on] :
       {std::pair{"BarradeBotones1", o.mainBarVisible}, std::pair{"BotEdit1", o.editBarVisible},
        std::pair{"Botdocumento1", o.documentBarVisible}, std::pair{"BarrEst", o.statusBarVisible}})
    if (QAction* a = actions_[name]) a->setChecked(on != 0);
  if (QAction* a = actions_["TodosElem1"]) a->setChecked(ws_.showHidden);
  const int icon = o.bigButtons ? 24 : 16;
  for (QToolBar* b : {mainBar_, editBar_})
    if (b) b->setIconSize(QSize(icon, icon));
  ShowWorkspace(!ws_.documents.placeholder());
}

void MainWindow::ApplyLanguage(const std::vector<LanguageEntry>& entries) {
  ws_.language = LanguageTable();
  ws_.language.Apply(entries);
  ws_.documents.SetDocumentWord(ws_.Text(str::kDocumentWord));
  RefreshTexts(this, ws_.language);
  ix_.SelectTool(Tool::Sel);
  AfterDocumentChange();
}

void MainWindow::LanguageCommand() {
  const QStringList names = LanguageNames();
  if (names.isEmpty()) {
    // The built-in table stays: no file means nothing to switch to, not an end.
    ShowMessage(ws_.Text(str::kNoLanguageFiles), MessageIcon::Information);
    return;
  }
  const QString current = QString::fromStdString(ws_.options.language);
  const std::optional<QString> chosen =
      languageChooser_ ? languageChooser_(names) : ChooseLanguageDialog(names, current, this);
  if (!chosen) return;
  const auto entries = ReadLanguageFile(PathFromUtf8(LanguageFilePath(*chosen).toStdString()));
  if (!entries) {
    ShowMessage(ws_.Text(str::kOpenFailed), MessageIcon::Warning);
    return;
  }
  ws_.options.language = chosen->toStdString();
  ApplyLanguage(*entries);
}

void MainWindow::SetRecentFiles(std::vector<std::string> list) {
  if (list.size() > kMaxRecentFiles) list.resize(kMaxRecentFiles);
  recent_ = std::move(list);
  RebuildRecentMenu();
}

void MainWindow::AddRecent(const std::string& path) {
  AddRecentFile(recent_, path);
  RebuildRecentMenu();
  if (persist_) SaveRecentFiles(recent_);
}

void MainWindow::RebuildRecentMenu() {
  if (!recentMenu_) return;
  recentMenu_->clear();
  for (size_t i = 0; i < recent_.size(); ++i) {
    const QString path = QString::fromStdString(recent_[i]);
    QAction* a = recentMenu_->addAction(QString("&%1 %2").arg(i).arg(path));
    a->setObjectName(QString("M_reciente%1").arg(i));
    connect(a, &QAction::triggered, this, [this, path] { OpenFile(path); });
  }
  recentMenu_->setEnabled(!recent_.empty());
}

void MainWindow::SaveOptionsCommand() {
  if (Ask("VELT", T(str::kSaveOptionsQuestion), QMessageBox::Yes | QMessageBox::No,
          QMessageBox::Question) != QMessageBox::Yes)
    return;
  Options& o = ws_.options;
  TakeDocumentSettings(ws_.doc(), o);
  const QRect g = RestoredGeometry();
  o.windowLeft = g.left();
  o.windowTop = g.top();
  o.windowWidth = g.width();
  o.windowHeight = g.height();
  o.windowState = RestoredState();
  o.fullScreen = isFullScreen();
  o.showHidden = ws_.showHidden;
  o.mainBarVisible = actions_["BarradeBotones1"]->isChecked();
  o.editBarVisible = actions_["BotEdit1"]->isChecked();
  o.documentBarVisible = actions_["Botdocumento1"]->isChecked();
  o.statusBarVisible = actions_["BarrEst"]->isChecked();
  // A failed write is told, not swallowed.
  if (optionsPath_.empty() || !SaveOptionsFile(o, optionsPath_))
    ShowMessage(ws_.Text(str::kOptionsNotSaved), MessageIcon::Warning);
}

void MainWindow::FactoryOptionsCommand() {
  const std::string language = ws_.options.language;
  ws_.options = FactoryOptions(CurrentScreenExtent());
  ws_.options.language = language;
  ApplyOptionsToDocument(ws_.options, ws_.doc());
  ws_.doc().modified = 1;
  ws_.showHidden = false;
  ApplyBars();
  ix_.SelectTool(Tool::Sel);
  AfterDocumentChange();
}

void MainWindow::GeneralOptionsCommand() {
  TOp_Gen dialog(
      ws_, CurrentScreenExtent(),
      [this](const QString& caption, const QString& text) {
        Ask(caption, text, QMessageBox::Ok, QMessageBox::Warning);
      },
      this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (dialog.buttonsChanged()) ApplyBars();
  AfterDocumentChange();
}

void MainWindow::SaveWindowState() {
  if (!persist_) return;
  SaveRecentFiles(recent_);
  SaveLastFolder("Last Dir", QDir::currentPath());
  // The viewer mode is a visit: the placement of the normal window stays as it was stored.
  if (!StoresPlacementAtExit(ws_.viewerMode)) return;
  WindowPlacement p;
  p.normal = RestoredGeometry();
  const QScreen* s = screen();
  if (s) p.normal.translate(-s->availableGeometry().topLeft());
  p.state = RestoredState();
  p.fullScreen = isFullScreen();
  SavePlacement(p);
}

}  // namespace velt
