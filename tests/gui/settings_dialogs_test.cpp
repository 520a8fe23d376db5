// The appearance, fonts and document-list windows on the offscreen platform, driven through
// their controls found by name.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "appearance_dialog.h"
#include "document_list_window.h"
#include "fonts_dialog.h"
#include "main_window.h"
#include "tool_icons.h"

namespace velt {
namespace {

template <class W>
W* Find(QWidget& parent, const char* name) {
  W* w = parent.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

struct AppearanceWindow {
  std::unique_ptr<Document> doc = MakeDocument(Options{});
  Options options;
  LanguageTable language;
  int32_t nextColour = 0x00AA00;
  int applied = 0;
  TOp_aspecto dialog{*doc, options, language,
                     [this](int32_t) -> std::optional<int32_t> { return nextColour; },
                     [this] { ++applied; }};
  AppearanceWindow() { doc->modified = 0; }
  void Press(const char* name) {
    QTest::mouseClick(Find<QPushButton>(dialog, name), Qt::LeftButton);
  }
};

TEST(AppearanceDialog, WhiteSchemeThenOkRecolours) {
  AppearanceWindow t;
  auto* schemes = Find<QComboBox>(t.dialog, "ComboBox2");
  ASSERT_EQ(schemes->count(), 6);
  EXPECT_EQ(schemes->itemText(3), "blanco");
  schemes->setCurrentIndex(3);
  t.Press("B_aceptar");
  EXPECT_EQ(t.doc->backgroundColour, 0xFFFFFF);
  EXPECT_EQ(t.doc->cursorFont.colour, 0x0000FF);
  EXPECT_EQ(t.doc->numberFont.colour, 0);
  EXPECT_EQ(t.doc->textFont.colour, 0);
  EXPECT_EQ(t.doc->modified, 1);
  EXPECT_EQ(t.applied, 1);
}

TEST(AppearanceDialog, CancelAfterASchemeLeavesTheDocument) {
  AppearanceWindow t;
  Find<QComboBox>(t.dialog, "ComboBox2")->setCurrentIndex(5);
  t.Press("B_colfondo");
  EXPECT_EQ(t.dialog.working().backgroundColour, 0x00AA00);
  t.Press("B_cancelar");
  EXPECT_EQ(t.doc->backgroundColour, 0);
  EXPECT_EQ(t.doc->hiddenColour, 48830);
  EXPECT_EQ(t.doc->modified, 0);
  EXPECT_EQ(t.applied, 0);
}

TEST(AppearanceDialog, GroupColourAndShapeGoToLinesAxesAndAngles) {
  AppearanceWindow t;
  auto* groups = Find<QComboBox>(t.dialog, "ComboBox1");
  ASSERT_EQ(groups->count(), 10);
  groups->setCurrentIndex(1);  // "rectas,ejes"
  t.Press("B_colgrupo");
  t.Press("B_forma3");
  // The shape buttons picture the codes of the group's family.
  auto picture = [](const QIcon& icon) { return icon.pixmap(24, 24).toImage(); };
  EXPECT_EQ(picture(Find<QPushButton>(t.dialog, "B_forma2")->icon()),
            picture(StyleIcon(StyleFamily::LineStyle, 2)));
  groups->setCurrentIndex(7);  // "ángulos": three marks only
  EXPECT_EQ(picture(Find<QPushButton>(t.dialog, "B_forma2")->icon()),
            picture(StyleIcon(StyleFamily::AngleMark, 2)));
  EXPECT_TRUE(Find<QPushButton>(t.dialog, "B_forma3")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(t.dialog, "B_forma4")->isEnabled());
  t.Press("B_forma2");
  EXPECT_TRUE(Find<QPushButton>(t.dialog, "B_forma2")->isChecked());
  auto* aa = Find<QCheckBox>(t.dialog, "CkB_AA_nd");
  EXPECT_FALSE(aa->isChecked());
  aa->setChecked(true);
  t.Press("B_aceptar");
  EXPECT_EQ(t.doc->typeColours[kTypeLine], 0x00AA00);
  EXPECT_EQ(t.doc->typeColours[kTypeAxes], 0x00AA00);
  EXPECT_EQ(t.doc->typeStyles[kTypeLine], 3);
  EXPECT_EQ(t.doc->typeStyles[kTypeAxes], 3);
  EXPECT_EQ(t.doc->typeStyles[kTypeAngle], 2);
  EXPECT_EQ(t.options.antiAliased, 1);
  EXPECT_EQ(t.doc->antiAliased, 0) << "the option is for new documents";
}

TEST(AppearanceDialog, SchemeNamesInAnotherLanguage) {
  auto doc = MakeDocument(Options{});
  Options options;
  LanguageTable english;
  english.Set(1, "point");
  english.Set(2, "line");
  TOp_aspecto dialog(*doc, options, english, {}, {});
  EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox2")->itemText(4), "ocean");
}

struct FontsWindow {
  std::unique_ptr<Document> doc = MakeDocument(Options{});
  LanguageTable language;
  Font next{"Courier New", 0, 18, 1};
  int changed = 0;
  TOp_fon dialog{*doc, language,
                 [this](Font& f) {
                   const int32_t colour = f.colour;
                   f = next;
                   f.colour = colour;
                   return true;
                 },
                 [this] { ++changed; }};
  FontsWindow() { doc->modified = 0; }
  QListWidget* List() { return Find<QListWidget>(dialog, "ListBox1"); }
  void ClickPreview() { QTest::mouseClick(Find<QLabel>(dialog, "Label1"), Qt::LeftButton); }
};

TEST(FontsDialog, ChangingTheNameFontThenCancelRestoresIt) {
  FontsWindow t;
  ASSERT_EQ(t.List()->count(), 4);
  EXPECT_EQ(t.List()->item(0)->text(), "Mensajes del cursor");
  EXPECT_EQ(Find<QLabel>(t.dialog, "Label1")->text(), " AaBb123");
  const Font before = t.doc->nameFont;
  t.List()->setCurrentRow(1);
  t.ClickPreview();
  EXPECT_EQ(t.doc->nameFont.face, "Courier New") << "applied at once";
  EXPECT_EQ(t.doc->nameFont.colour, before.colour);
  EXPECT_EQ(Find<QLabel>(t.dialog, "Label1")->font().family(), "Courier New");
  QTest::mouseClick(Find<QPushButton>(t.dialog, "B_cancelar"), Qt::LeftButton);
  EXPECT_EQ(t.doc->nameFont, before);
  EXPECT_EQ(t.doc->modified, 0);
}

TEST(FontsDialog, TwoFontsThenOkKeepBothAndMarkModified) {
  FontsWindow t;
  t.List()->setCurrentRow(0);
  t.ClickPreview();
  t.next = Font{"Times New Roman", 0, 96};
  t.List()->setCurrentRow(3);
  t.ClickPreview();
  QTest::mouseClick(Find<QPushButton>(t.dialog, "B_aceptar"), Qt::LeftButton);
  EXPECT_EQ(t.doc->cursorFont.face, "Courier New");
  EXPECT_EQ(t.doc->textFont.face, "Times New Roman");
  EXPECT_EQ(t.doc->textFont.size, 72) << "sizes stop at 72 points";
  EXPECT_EQ(t.doc->modified, 1);
  EXPECT_GE(t.changed, 2);
}

// The document list runs modal over a real main window; the checks run inside its loop.
struct ListWindow {
  MainWindow w;
  ListWindow() {
    w.resize(900, 700);
    w.show();
    w.findChild<QAction*>("Nuevo1")->trigger();
    w.findChild<QAction*>("Nuevo1")->trigger();
    w.findChild<QAction*>("M_doc_pri")->trigger();
    QApplication::processEvents();
  }
  void Run(std::function<void(TV_listadoc&)> inside) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TV_listadoc*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      inside(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    w.findChild<QAction*>("M_listadoc")->trigger();
  }
  int Tab() { return w.findChild<QTabBar*>("TC_doc")->currentIndex(); }
};

TEST(DocumentListWindow, SelectingShowsAtOnceAndEscapeGoesBack) {
  ListWindow t;
  Document* first = t.w.workspace().documents.at(0);
  bool checked = false;
  t.Run([&](TV_listadoc& d) {
    auto* list = Find<QListWidget>(d, "ListBox1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->item(2)->text(), "Documento 3");
    list->setCurrentRow(2);
    EXPECT_EQ(t.Tab(), 2) << "the main window shows the selected document";
    QTest::keyClick(list, Qt::Key_Escape);
    checked = true;
  });
  EXPECT_TRUE(checked);
  EXPECT_EQ(t.w.workspace().documents.current(), first);
  EXPECT_EQ(t.Tab(), 0);
}

TEST(DocumentListWindow, SaveFollowsModifiedAndButtonsWalk) {
  ListWindow t;
  t.w.workspace().documents.at(1)->modified = 1;
  t.Run([&](TV_listadoc& d) {
    auto* save = Find<QPushButton>(d, "B_guardar");
    EXPECT_FALSE(save->isEnabled());
    // The dialog's own captions, not the menu's with their accelerators.
    EXPECT_EQ(Find<QPushButton>(d, "B_ant")->text(), "Anterior");
    EXPECT_EQ(Find<QPushButton>(d, "B_sig")->text(), "Siguiente");
    EXPECT_EQ(Find<QPushButton>(d, "B_ult")->text(), "Último");
    QTest::mouseClick(Find<QPushButton>(d, "B_sig"), Qt::LeftButton);
    EXPECT_EQ(Find<QListWidget>(d, "ListBox1")->currentRow(), 1);
    EXPECT_TRUE(save->isEnabled());
    QTest::mouseClick(Find<QPushButton>(d, "B_ant"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(d, "B_ant"), Qt::LeftButton);
    EXPECT_EQ(t.Tab(), 2) << "previous cycles to the last";
    QTest::mouseClick(Find<QPushButton>(d, "B_pri"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(d, "B_ult"), Qt::LeftButton);
    EXPECT_EQ(Find<QListWidget>(d, "ListBox1")->currentRow(), 2);
    // A double click keeps the document it names.
    auto* list = Find<QListWidget>(d, "ListBox1");
    list->setCurrentRow(1);
    const QRect r = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(t.Tab(), 1);
}

TEST(DocumentListWindow, SaveWritesTheCurrentDocumentAndRefillsTheList) {
  ListWindow t;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("figura.vlt");
  Document* second = t.w.workspace().documents.at(1);
  second->fileName = path.toStdString();
  second->modified = 1;
  t.Run([&](TV_listadoc& d) {
    QTest::mouseClick(Find<QPushButton>(d, "B_sig"), Qt::LeftButton);
    auto* save = Find<QPushButton>(d, "B_guardar");
    ASSERT_TRUE(save->isEnabled());
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(Find<QListWidget>(d, "ListBox1")->item(1)->text(), "figura");
    EXPECT_EQ(Find<QListWidget>(d, "ListBox1")->currentRow(), 1);
    EXPECT_FALSE(save->isEnabled()) << "nothing left to save";
  });
}

TEST(DocumentListWindow, ClosingEveryDocumentClosesTheListOnThePlaceholder) {
  ListWindow t;
  t.Run([&](TV_listadoc& d) {
    auto* close = Find<QPushButton>(d, "B_cerrar");
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_EQ(Find<QListWidget>(d, "ListBox1")->count(), 2);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_TRUE(d.isVisible());
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(t.w.workspace().documents.placeholder());
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

// The windows opened from the main window's menus, answered inside their modal loops.
TEST(SettingsDialogsFromMenus, AppearanceSchemeReachesTheShownDocument) {
  MainWindow w;
  w.show();
  w.workspace().doc().modified = 0;
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<TOp_aspecto*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    Find<QComboBox>(*d, "ComboBox2")->setCurrentIndex(3);
    QTest::mouseClick(Find<QPushButton>(*d, "B_aceptar"), Qt::LeftButton);
  });
  w.findChild<QAction*>("M_op_asp")->trigger();
  EXPECT_EQ(w.workspace().doc().backgroundColour, 0xFFFFFF);
  EXPECT_EQ(w.workspace().doc().modified, 1);
  EXPECT_TRUE(w.windowTitle().endsWith(" *")) << "the caption shows the change";
}

TEST(SettingsDialogsFromMenus, TheFontToolsDialogStopsAt72Points) {
  MainWindow w;
  w.show();
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    QFont big("Courier New");
    big.setPointSize(120);
    big.setItalic(true);
    d->setCurrentFont(big);
    d->accept();
  });
  Font f{"Arial", 255, 10};
  ASSERT_TRUE(w.ChooseFont(f));
  EXPECT_EQ(f.size, 72);
  EXPECT_EQ(f.italic, 1);
  EXPECT_EQ(f.colour, 255) << "the colour is not the font dialog's";
  QTimer::singleShot(0, [] {
    if (auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) d->reject();
  });
  EXPECT_FALSE(w.ChooseFont(f));
}

}  // namespace
}  // namespace velt
