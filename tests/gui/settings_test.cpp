// Options, languages and recent files in the window, and the start-up that reads them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <fstream>
#include <set>

#include "io/options_file.h"
#include "main_window.h"
#include "options_dialog.h"
#include "settings_store.h"
#include "startup.h"
#include "ui/strings_files.h"
#include "ui/strings_settings.h"

namespace velt {
namespace {

const char* kLanguages = VELT_SOURCE_DIR "/languages";

std::vector<LanguageEntry> English() {
  auto e = ReadLanguageFile(std::filesystem::path(kLanguages) / "English.lng");
  return e ? *e : std::vector<LanguageEntry>{};
}

// Every text a user can read on the window: menu titles and items, tool tips, tool bars.
std::vector<QString> VisibleTexts(QWidget& w) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // old document items
  std::vector<QString> out;
  for (QAction* a : w.findChildren<QAction*>()) {
    out.push_back(a->text());
    out.push_back(a->toolTip());
    out.push_back(a->statusTip());
  }
  for (QMenu* m : w.findChildren<QMenu*>()) out.push_back(m->title());
  for (QToolBar* b : w.findChildren<QToolBar*>()) out.push_back(b->windowTitle());
  for (QToolButton* b : w.findChildren<QToolButton*>()) out.push_back(b->toolTip());
  return out;
}

// Spanish texts whose number has another text in English: none may be seen in English.
std::set<QString> SpanishOnlyTexts() {
  std::set<QString> english;
  for (const LanguageEntry& e : English()) english.insert(QString::fromStdString(e.text));
  std::set<QString> out;
  for (const LanguageEntry& e : BuiltInLanguage().Entries()) {
    const QString s = QString::fromStdString(e.text);
    if (!s.isEmpty() && !english.count(s)) out.insert(s);
  }
  return out;
}

TEST(Languages, SwitchingToEnglishAndBackChangesEveryCaption) {
  qputenv("VELT_LANGUAGES_DIR", kLanguages);
  MainWindow w;
  const auto spanishTexts = VisibleTexts(w);
  const std::set<QString> spanishOnly = SpanishOnlyTexts();
  ASSERT_GT(spanishOnly.size(), 300u);
  size_t spanishSeen = 0;
  for (const QString& t : spanishTexts) spanishSeen += spanishOnly.count(t);
  ASSERT_GT(spanishSeen, 150u);  // the walk does see the captions

  w.SetLanguageChooser([](const QStringList& names) -> std::optional<QString> {
    EXPECT_TRUE(names.contains("English"));
    return QString("English");
  });
  w.LanguageCommand();
  EXPECT_EQ(w.workspace().options.language, "English");
  EXPECT_FALSE(w.workspace().language.IsSpanish());
  for (const QString& t : VisibleTexts(w))
    EXPECT_FALSE(spanishOnly.count(t)) << "still Spanish: " << t.toStdString();
  EXPECT_EQ(w.findChild<QMenu*>("M_menu_archivo")->title(), "&File");
  EXPECT_EQ(w.findChild<QAction*>("M_Segmento")->statusTip(), "Segment given two points");

  w.SetLanguageChooser([](const QStringList&) { return std::optional<QString>("Español"); });
  w.LanguageCommand();
  EXPECT_TRUE(w.workspace().language.IsSpanish());
  const auto back = VisibleTexts(w);
  ASSERT_EQ(back.size(), spanishTexts.size());
  for (size_t i = 0; i < back.size(); ++i)
    EXPECT_EQ(back[i].toStdString(), spanishTexts[i].toStdString()) << i;

  // A cancelled choice keeps the language.
  w.SetLanguageChooser([](const QStringList&) { return std::optional<QString>(); });
  w.LanguageCommand();
  EXPECT_EQ(w.workspace().options.language, "Español");
  qunsetenv("VELT_LANGUAGES_DIR");
}

TEST(Languages, DialogsOpenedInEnglishShowNoSpanish) {
  MainWindow w;
  w.ApplyLanguage(English());
  const std::set<QString> spanishOnly = SpanishOnlyTexts();
  TOp_Gen options(
      w.workspace(), 1921, [](const QString&, const QString&) {}, &w);
  std::vector<QString> texts{options.windowTitle()};
  for (QWidget* c : options.findChildren<QWidget*>()) {
    texts.push_back(c->property("text").toString());
    texts.push_back(c->toolTip());
  }
  auto* tabs = options.findChild<QTabWidget*>("TC_opciones");
  for (int i = 0; i < tabs->count(); ++i) texts.push_back(tabs->tabText(i));
  for (const QString& t : texts) EXPECT_FALSE(spanishOnly.count(t)) << t.toStdString();
}

TEST(Options, SaveOptionsWritesWhatTheDocumentAndWindowShowAndTellsAFailure) {
  QTemporaryDir dir;
  MainWindow w;
  MainWindow::StartState start;
  start.options = FactoryOptions(1000);
  start.options.language = "English";
  start.optionsPath = PathFromUtf8((dir.path() + "/VELT/VELT 7/velt.ini").toStdString());
  w.Start(start);
  w.workspace().doc().backgroundColour = 0xFFFFFF;
  w.workspace().doc().lengthUnit = 3;
  w.findChild<QAction*>("BarrEst")->trigger();  // hide the status bar
  std::vector<QString> asked;
  w.SetMessageHook([&](const QString&, const QString& text, QMessageBox::StandardButtons) {
    asked.push_back(text);
    return QMessageBox::Yes;
  });
  w.findChild<QAction*>("M_op_save")->trigger();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "¿ Guardar las opciones actuales ?");
  Options read;
  ASSERT_EQ(LoadOptionsFile(start.optionsPath, 1000, read), OptionsLoad::Loaded);
  EXPECT_EQ(read.backgroundColour, 0xFFFFFF);
  EXPECT_EQ(read.lengthUnit, 3);
  EXPECT_EQ(read.statusBarVisible, 0);
  EXPECT_EQ(read.mainBarVisible, 1);
  EXPECT_EQ(read.language, "English");

  // A folder where the file cannot be written: the failure is told.
  std::filesystem::create_directories(start.optionsPath.parent_path() / "blocked" / "velt.ini");
  start.optionsPath = start.optionsPath.parent_path() / "blocked" / "velt.ini";
  w.Start(start);
  asked.clear();
  w.findChild<QAction*>("M_op_save")->trigger();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1], QString::fromStdString(BuiltInLanguage().Get(str::kOptionsNotSaved)));
}

TEST(Options, FactoryOptionsResetTheDocumentAndMarkItModified) {
  MainWindow w;
  Document& d = w.workspace().doc();
  d.backgroundColour = 0x123456;
  d.measureScale = 7;
  w.workspace().options.detectionDistance = 15;
  w.findChild<QAction*>("M_op_orig")->trigger();
  EXPECT_EQ(d.backgroundColour, 0);
  EXPECT_EQ(d.measureScale, 40.0);
  EXPECT_EQ(w.workspace().options.detectionDistance, 8);
  EXPECT_TRUE(d.modified);
}

TEST(Options, GeneralOptionsDialogChecksInOrderAndAppliesOnOk) {
  MainWindow w;
  std::vector<std::pair<QString, QString>> warnings;
  TOp_Gen dialog(
      w.workspace(), 1921,
      [&](const QString& caption, const QString& text) {
        warnings.push_back({caption, text});
      },
      &w);
  auto* decimals = dialog.findChild<QLineEdit*>("Ed_decimales");
  auto* ok = dialog.findChild<QPushButton*>("B_aceptar");
  auto* tabs = dialog.findChild<QTabWidget*>("TC_opciones");
  dialog.findChild<QLineEdit*>("Ed_tamano")->setText("5000");
  decimals->setText("9");
  ok->click();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].first, "Decimales en pantalla");
  EXPECT_EQ(warnings[0].second, "Solo valen enteros entre 0 y 8");
  EXPECT_EQ(tabs->currentWidget(), decimals->parentWidget());
  EXPECT_EQ(dialog.result(), 0);
  decimals->setText("8");
  dialog.findChild<QLineEdit*>("Ed_pixels")->setText("20");
  ok->click();
  EXPECT_EQ(warnings.size(), 1u);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(w.workspace().options.decimals, 8);
  EXPECT_EQ(w.workspace().options.planeSize, 5000);
  EXPECT_EQ(w.workspace().doc().measureScale, 20);
  EXPECT_TRUE(dialog.documentChanged());
  EXPECT_TRUE(w.workspace().doc().modified);
}

TEST(RecentFiles, OpeningAndSavingPutTheFileOnTopOfTheMenu) {
  QTemporaryDir dir;
  MainWindow w;
  w.SetRecentFiles({"/x/old.vlt"});
  Document& d = w.workspace().doc();
  d.fileName = (dir.path() + "/a.vlt").toStdString();
  ASSERT_TRUE(w.SaveDocument(d));
  ASSERT_EQ(w.recentFiles().size(), 2u);
  EXPECT_EQ(w.recentFiles()[0], d.fileName);
  auto* first = w.findChild<QAction*>("M_reciente0");
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->text().contains("a.vlt"));
  w.findChild<QAction*>("M_borrar_recientes")->trigger();
  EXPECT_TRUE(w.recentFiles().empty());
  EXPECT_EQ(w.findChild<QAction*>("M_reciente0"), nullptr);
}

struct StartupCase {
  QTemporaryDir dir;
  std::filesystem::path path;
  int asked = 0;
  std::vector<std::string> told;
  StartupHooks hooks;
  std::optional<QString> answer = QString("English");
  StartupCase() {
    qputenv("VELT_LANGUAGES_DIR", kLanguages);
    path = PathFromUtf8((dir.path() + "/VELT/VELT 7/velt.ini").toStdString());
    hooks.chooseLanguage = [this](const QStringList&) {
      ++asked;
      return answer;
    };
    hooks.inform = [this](const std::string& t) { told.push_back(t); };
  }
  ~StartupCase() { qunsetenv("VELT_LANGUAGES_DIR"); }
  std::optional<MainWindow::StartState> Run() { return StartUp(path, 1921, hooks); }
};

TEST(Startup, FirstStartAsksTheLanguageAndCreatesTheFile) {
  StartupCase c;
  c.answer = std::nullopt;
  EXPECT_FALSE(c.Run().has_value());  // cancelled: the program ends
  EXPECT_FALSE(std::filesystem::exists(c.path));
  c.answer = QString("English");
  auto s = c.Run();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(c.asked, 2);
  EXPECT_TRUE(std::filesystem::exists(c.path));
  EXPECT_EQ(s->options.language, "English");
  EXPECT_EQ(s->options.planeSize, 4000);
  EXPECT_FALSE(s->language.empty());
  // The second start reads the file and asks nothing.
  auto again = c.Run();
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(c.asked, 2);
  EXPECT_EQ(again->options, s->options);
}

TEST(Startup, DamagedFileIsToldAndKeptUntilTheUserSaves) {
  StartupCase c;
  std::filesystem::create_directories(c.path.parent_path());
  std::ofstream(c.path, std::ios::binary) << "VELT\x01";
  auto s = c.Run();
  ASSERT_TRUE(s.has_value());
  ASSERT_EQ(c.told.size(), 1u);
  EXPECT_EQ(c.told[0], BuiltInLanguage().Get(str::kOptionsDamaged));
  EXPECT_EQ(s->options.detectionDistance, 8);
  EXPECT_EQ(std::filesystem::file_size(c.path), 5u);
}

TEST(Startup, NoLanguageFilesKeepsTheBuiltInTable) {
  StartupCase c;
  QTemporaryDir empty;
  qputenv("VELT_LANGUAGES_DIR", empty.path().toUtf8());
  auto s = c.Run();
  ASSERT_TRUE(s.has_value());  // the program goes on in Spanish
  EXPECT_EQ(c.asked, 0);
  EXPECT_TRUE(s->language.empty());
  // A stored language whose file went missing: told, then the built-in table.
  Options o = FactoryOptions(1921);
  o.language = "Klingon";
  ASSERT_TRUE(SaveOptionsFile(o, c.path));
  s = c.Run();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(c.told.back(), BuiltInLanguage().Get(str::kNoLanguageFiles));
  EXPECT_TRUE(s->language.empty());
}

}  // namespace
}  // namespace velt
