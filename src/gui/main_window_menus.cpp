// The menu bar, the tool bars, the document bar and the status bar of TForm1, and the
// commands they carry.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include "main_window.h"
#include "plane_widget.h"
#include "tool_icons.h"
#include "ui/strings.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

QString MenuName(int tool) {
  const QString b = QString::fromUtf8(Tool(tool).button.data(), Tool(tool).button.size());
  if (tool == 0) return "Sel1";
  return "M_" + (b.startsWith("B_") ? b.mid(2) : b);
}

QKeySequence Ctrl(char c) { return QKeySequence(QString("Ctrl+") + c); }

}  // namespace

QAction* TForm1::MakeAction(const QString& name, int textNumber, std::function<void()> run,
                            QKeySequence key) {
  auto* a = new QAction(T(textNumber), this);
  a->setObjectName(name);
  if (!key.isEmpty()) a->setShortcut(key);
  connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
  actions_[name] = a;
  addAction(a);  // accelerators work while the menu bar is hidden
  return a;
}

QAction* TForm1::ToolAction(int tool) {
  if (auto it = toolActions_.find(tool); it != toolActions_.end()) return it->second;
  const QString hint = T(str::ToolHint(tool));
  auto* a = new QAction(ToolIcon(tool), hint.isEmpty() ? MenuName(tool) : hint, this);
  a->setObjectName(MenuName(tool));
  a->setToolTip(hint);
  a->setStatusTip(T(str::ToolPrompt(tool)));
  a->setCheckable(true);
  a->setEnabled(Tool(tool).built);
  toolGroup_->addAction(a);
  connect(a, &QAction::triggered, this, [this, tool] {
    ix_.SelectTool(tool);
    plane_->setFocus();
  });
  toolActions_[tool] = a;
  return a;
}

void TForm1::BuildMenus() {
  toolGroup_ = new QActionGroup(this);
  toolGroup_->setExclusive(true);
  docGroup_ = new QActionGroup(this);
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu(T(str::kMenuFile));
  file->addAction(MakeAction(
      "Nuevo1", str::kNew, [this] { NewDocumentCommand(); }, Ctrl('N')));
  file->addAction(MakeAction(
      "Abrir1", str::kOpen, [this] { OpenCommand(); }, Ctrl('O')));
  QMenu* recent = file->addMenu(T(str::kOpenRecent));
  recent->setObjectName("M_abrir_recientes");
  file->addAction(MakeAction(
      "Guardar", str::kSave, [this] { SaveCommand(ws_.doc(), false); }, Ctrl('S')));
  file->addAction(
      MakeAction("GuardarComo", str::kSaveAs, [this] { SaveCommand(ws_.doc(), true); }));
  file->addSeparator();
  file->addAction(MakeAction(
      "M_cerrardoc", str::kClose, [this] { CloseCommand(); }, QKeySequence("Ctrl+F4")));
  file->addAction(MakeAction("M_cerrartodo", str::kCloseAll, [this] { CloseAllCommand(); }));
  file->addSeparator();
  file->addAction(MakeAction("Salir1", str::kExit, [this] { close(); }));

  QMenu* edit = bar->addMenu(T(str::kMenuEdit));
  actions_["M_menu_edicion"] = edit->menuAction();
  edit->addAction(MakeAction(
      "M_undo", str::kUndo, [this] { ix_.UndoCommand(); }, Ctrl('Z')));
  edit->addAction(MakeAction(
      "M_redo", str::kRedo, [this] { ix_.RedoCommand(); }, Ctrl('Y')));
  actions_["M_undo"]->setIcon(CommandIcon("B_undo"));
  actions_["M_redo"]->setIcon(CommandIcon("B_redo"));
  edit->addSeparator();
  edit->addAction(MakeAction(
      "M_ElimSel", str::kDelete, [this] { ix_.DeleteSelection(); }, QKeySequence::Delete));
  edit->addAction(MakeAction(
      "M_selec_todo", str::kSelectAll, [this] { ix_.SelectAll(); }, Ctrl('A')));
  QMenu* group = edit->addMenu(T(str::kSelectGroup));
  group->setObjectName("M_selec_grupo");
  auto types = str::SelectGroupTypes();
  for (size_t i = 0; i < types.size(); ++i) {
    const int type = types[i];
    group->addAction(T(str::kGroupFirst + static_cast<int>(i)), this,
                     [this, type] { ix_.SelectGroup(type); });
  }
  edit->addAction(MakeAction("M_ElimTodo", str::kDeleteAll, [this] { ix_.DeleteAllElements(); }));
  edit->addSeparator();
  for (int tool : {0, 61, 62, 60, 46}) edit->addAction(ToolAction(tool));
  actions_["M_editelem"] = ToolAction(61);
  ToolAction(61)->setShortcut(Ctrl('E'));

  QMenu* view = bar->addMenu(T(str::kMenuView));
  actions_["M_menu_ver"] = view->menuAction();
  QAction* hidden = MakeAction(
      "TodosElem1", str::kShowHidden,
      [this] {
        ix_.ToggleShowHidden();
        actions_["TodosElem1"]->setChecked(ws_.showHidden);
      },
      QKeySequence(Qt::Key_F8));
  hidden->setCheckable(true);
  hidden->setIcon(CommandIcon("B_todoelem"));
  view->addAction(hidden);
  view->addAction(MakeAction(
      "M_dibtodo", str::kRedraw,
      [this] {
        ws_.RecomputeAll();
        Repaint();
      },
      Ctrl('R')));
  view->addAction(MakeAction("MuePan1", str::kMoveScreen, [this] { MoveScreenDialog(); }));
  QAction* full = MakeAction("PantallaCom", str::kFullScreen, [this] { ToggleFullScreen(); });
  full->setCheckable(true);
  full->setIcon(CommandIcon("B_pancom"));
  view->addAction(full);
  view->addAction(ToolAction(49));
  view->addSeparator();
  struct BarSwitch {
    const char* name;
    int text;
    std::function<QWidget*()> target;
  };
  for (const BarSwitch& s : {BarSwitch{"BarradeBotones1", str::kMainButtons,
                                       [this] { return static_cast<QWidget*>(mainBar_); }},
                             BarSwitch{"BotEdit1", str::kEditButtons,
                                       [this] { return static_cast<QWidget*>(editBar_); }},
                             BarSwitch{"Botdocumento1", str::kDocumentBar,
                                       [this] { return static_cast<QWidget*>(docBar_); }},
                             BarSwitch{"BarrEst", str::kStatusBar,
                                       [this] { return static_cast<QWidget*>(statusBar()); }}}) {
    const QString name = s.name;
    auto target = s.target;
    QAction* a = MakeAction(name, s.text, [this, name, target] {
      if (QWidget* w = target()) w->setVisible(actions_[name]->isChecked());
    });
    a->setCheckable(true);
    a->setChecked(true);
    view->addAction(a);
  }
  QAction* aa = MakeAction("M_AA", str::kAntiAliased, [this] {
    ws_.doc().antiAliased = !ws_.doc().antiAliased;
    ws_.doc().modified = 1;
    actions_["M_AA"]->setChecked(ws_.doc().antiAliased);
    Repaint();
  });
  aa->setCheckable(true);
  view->addAction(aa);

  QMenu* construct = bar->addMenu(T(str::kMenuConstruct));
  actions_["M_menu_construccion"] = construct->menuAction();
  for (int tool : {1, 2, 3, 9, 12, 13, 10, 11, 5, 6, 14, 4, 7, 8, 15, 17, 16, 18, 55, 19})
    construct->addAction(ToolAction(tool));
  ToolAction(19)->setShortcut(Ctrl('L'));
  QMenu* measure = bar->addMenu(T(str::kMenuMeasure));
  actions_["M_menu_medidas"] = measure->menuAction();
  for (int tool : {34, 35, 36, 37, 38, 39, 41, 40, 32, 33, 42, 43, 44, 45, 50})
    measure->addAction(ToolAction(tool));
  QMenu* transform = bar->addMenu(T(str::kMenuTransform));
  actions_["M_menu_transformar"] = transform->menuAction();
  for (int tool : {31, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 47, 48, 59})
    transform->addAction(ToolAction(tool));

  docMenu_ = bar->addMenu(T(str::kMenuDocument));
  actions_["M_menu_documento"] = docMenu_->menuAction();
  docMenu_->addAction(MakeAction("M_doc_sig", str::kNext, [this] {
    ix_.BeforeDocumentChange();
    ws_.documents.SwitchNext();
    AfterDocumentChange();
  }));
  docMenu_->addAction(MakeAction("M_doc_ant", str::kPrevious, [this] {
    ix_.BeforeDocumentChange();
    ws_.documents.SwitchPrevious();
    AfterDocumentChange();
  }));
  docMenu_->addAction(MakeAction("M_doc_pri", str::kFirst, [this] {
    ix_.BeforeDocumentChange();
    ws_.documents.SwitchFirst();
    AfterDocumentChange();
  }));
  docMenu_->addAction(MakeAction("M_doc_ult", str::kLast, [this] {
    ix_.BeforeDocumentChange();
    ws_.documents.SwitchLast();
    AfterDocumentChange();
  }));
  docMenu_->addSeparator();

  QMenu* help = bar->addMenu(T(str::kMenuHelp));
  auto noHelp = [this] { ShowMessage(ws_.Text(str::kNoHelpFile), MessageIcon::Warning); };
  help->addAction(T(str::kHelpContents), this, noHelp);
  help->addAction(T(str::kHelpPage), this, noHelp);
}

void TForm1::AddGroupButton(QToolBar* bar, const char* name, std::initializer_list<int> tools) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setPopupMode(QToolButton::MenuButtonPopup);
  auto* menu = new QMenu(button);
  for (int tool : tools) menu->addAction(ToolAction(tool));
  button->setMenu(menu);
  button->setDefaultAction(ToolAction(*tools.begin()));
  // The button stands for the member last chosen.
  connect(menu, &QMenu::triggered, button, [button](QAction* a) { button->setDefaultAction(a); });
  bar->addWidget(button);
}

void TForm1::AddPalette(QToolBar* bar, bool fill) {
  auto* button = new QToolButton(bar);
  button->setObjectName(fill ? "B_color_relleno" : "B_color");
  button->setIcon(ToolIcon(fill ? 65 : 64));
  button->setToolTip(T(fill ? str::kFillColourHint : str::kColourHint));
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  struct Swatch {
    const char* name;
    int colour;
  };
  static const Swatch kSwatches[] = {
      {"B_rojo", 255},         {"B_verde", 65280},       {"B_azul", 16776960},
      {"B_amar", 65535},       {"B_gris", 12632256},     {"B_blanco", 16777215},
      {"B_rojo2", 128},        {"B_verde2", 32768},      {"B_azul2", 16711680},
      {"B_amar2", 32896},      {"B_gris2", 8421504},     {"B_negro", 0},
      {"B_violeta", 16744576}, {"B_azmarino", 12615680}, {"B_naranja", 33023},
      {"B_rosado", 16711935}};
  auto choose = [this, button, fill](int colour) {
    button->setIcon(ColourIcon(colour));
    ix_.SetCurrentColour(colour, fill);
  };
  for (const Swatch& s : kSwatches) {
    QAction* a = menu->addAction(ColourIcon(s.colour), QString());
    a->setObjectName(QString(s.name) + (fill ? "_relleno" : ""));
    const int colour = s.colour;
    connect(a, &QAction::triggered, this, [choose, colour] { choose(colour); });
  }
  QAction* other = menu->addAction(T(str::kOtherColour));
  other->setObjectName(fill ? "B_rgb_relleno" : "B_rgb");
  connect(other, &QAction::triggered, this, [this, choose] {
    const QColor c = QColorDialog::getColor(Qt::red, this);
    choose(c.isValid() ? (c.red() | (c.green() << 8) | (c.blue() << 16)) : 255);
  });
  button->setMenu(menu);
  bar->addWidget(button);
}

void TForm1::BuildToolBars() {
  mainBar_ = addToolBar(T(str::kMainButtons));
  mainBar_->setObjectName("BarradeBotones");
  mainBar_->setIconSize(QSize(24, 24));
  mainBar_->addAction(ToolAction(0));
  for (int tool : {1, 2, 3, 9}) mainBar_->addAction(ToolAction(tool));
  AddGroupButton(mainBar_, "B_hvector_1", {12, 13});
  for (int tool : {10, 11, 5, 6, 14, 4, 7, 8, 15, 17, 16, 18, 55, 19, 20, 21, 22, 23, 24, 25})
    mainBar_->addAction(ToolAction(tool));
  mainBar_->addSeparator();
  for (int tool : {34, 35, 36}) mainBar_->addAction(ToolAction(tool));
  AddGroupButton(mainBar_, "B_hejes_1", {39, 32, 33, 40, 41});
  AddGroupButton(mainBar_, "B_comp_1", {26, 27, 28, 29, 30});
  for (int tool : {46, 49}) mainBar_->addAction(ToolAction(tool));
  // Toolbar buttons carry the B_ names.
  for (auto& [tool, action] : toolActions_)
    if (QWidget* w = mainBar_->widgetForAction(action))
      w->setObjectName(QString::fromUtf8(Tool(tool).button.data(), Tool(tool).button.size()));

  addToolBarBreak();
  editBar_ = addToolBar(T(str::kEditButtons));
  editBar_->setObjectName("BotEdit");
  editBar_->setIconSize(QSize(24, 24));
  editBar_->addAction(actions_["M_undo"]);
  editBar_->widgetForAction(actions_["M_undo"])->setObjectName("B_undo");
  editBar_->addAction(actions_["M_redo"]);
  editBar_->widgetForAction(actions_["M_redo"])->setObjectName("B_redo");
  editBar_->addSeparator();
  for (int tool : {60, 61, 62, 63}) {
    editBar_->addAction(ToolAction(tool));
    editBar_->widgetForAction(ToolAction(tool))
        ->setObjectName(QString::fromUtf8(Tool(tool).button.data(), Tool(tool).button.size()));
  }
  AddPalette(editBar_, false);
  AddPalette(editBar_, true);
  AddGroupButton(editBar_, "B_edit_forma_punto", {68, 69, 70, 71, 72, 73});
  AddGroupButton(editBar_, "B_edit_forma_linea", {74, 75, 76, 77, 78, 79});
  AddGroupButton(editBar_, "B_edit_forma_angulo", {80, 81, 82});
  editBar_->addSeparator();
  editBar_->addAction(actions_["TodosElem1"]);
  editBar_->widgetForAction(actions_["TodosElem1"])->setObjectName("B_todoelem");
  editBar_->addAction(actions_["PantallaCom"]);
  editBar_->widgetForAction(actions_["PantallaCom"])->setObjectName("B_pancom");
  QAction* move = editBar_->addAction(CommandIcon("B_MuePan"), T(str::kMoveScreen), this,
                                      [this] { MoveScreenDialog(); });
  editBar_->widgetForAction(move)->setObjectName("B_MuePan");
}

void TForm1::BuildDocumentBar() {
  addToolBarBreak();
  docBar_ = addToolBar(T(str::kDocumentBar));
  docBar_->setObjectName("Botdocumento");
  struct Cmd {
    const char* button;
    const char* action;
  };
  for (const Cmd& c : {Cmd{"B_doc_nuevo", "Nuevo1"}, Cmd{"B_doc_abrir", "Abrir1"},
                       Cmd{"B_doc_guardar", "Guardar"}, Cmd{"B_doc_cerrar", "M_cerrardoc"},
                       Cmd{"B_doc_pri", "M_doc_pri"}, Cmd{"B_doc_ant", "M_doc_ant"},
                       Cmd{"B_doc_sig", "M_doc_sig"}, Cmd{"B_doc_ult", "M_doc_ult"}}) {
    QAction* a = actions_[c.action];
    a->setIcon(CommandIcon(c.button));
    docBar_->addAction(a);
    docBar_->widgetForAction(a)->setObjectName(c.button);
  }
  tabs_ = new QTabBar(docBar_);
  tabs_->setObjectName("TC_doc");
  tabs_->setExpanding(false);
  combo_ = new QComboBox(docBar_);
  combo_->setObjectName("CB_doc");
  combo_->setMinimumWidth(140);
  docBar_->addWidget(tabs_);
  docBar_->addWidget(combo_);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int i) { SwitchToIndex(i); });
  connect(combo_, &QComboBox::currentIndexChanged, this, [this](int i) { SwitchToIndex(i); });
}

void TForm1::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(bar);
    panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    panels_[i]->setMinimumWidth(i < 2 ? 40 : 300);
    bar->addWidget(panels_[i], i == 2 ? 1 : 0);
  }
}

}  // namespace velt
