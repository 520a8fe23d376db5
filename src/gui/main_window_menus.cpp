// The menu bar, the tool bars, the document bar and the status bar of MainWindow, and the
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

#include "construction_list_window.h"
#include "export_commands.h"
#include "main_window.h"
#include "model/undo.h"
#include "plane_widget.h"
#include "texts.h"
#include "tool_icons.h"
#include "ui/strings.h"
#include "ui/strings_animation.h"
#include "ui/strings_appearance.h"
#include "ui/strings_export.h"
#include "ui/strings_loci.h"
#include "ui/strings_settings.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

QString ButtonName(Tool tool) {
  return QString::fromUtf8(RowOf(tool).button.data(), RowOf(tool).button.size());
}

QString MenuName(Tool tool) {
  const QString b = ButtonName(tool);
  if (tool == Tool::Sel) return "Sel1";
  return "M_" + (b.startsWith("B_") ? b.mid(2) : b);
}

QKeySequence Ctrl(char c) { return QKeySequence(QString("Ctrl+") + c); }

}  // namespace

template <class Parent>
QMenu* MainWindow::AddMenu(Parent* parent, int textNumber, const char* name) {
  QMenu* m = parent->addMenu(QString());
  m->setObjectName(name);
  SetText(m, textNumber, ws_.language);
  actions_[name] = m->menuAction();
  return m;
}

QAction* MainWindow::MakeAction(const QString& name, int textNumber, std::function<void()> run,
                                QKeySequence key) {
  auto* a = new QAction(this);
  SetText(a, textNumber, ws_.language);
  a->setObjectName(name);
  if (!key.isEmpty()) a->setShortcut(key);
  connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
  actions_[name] = a;
  addAction(a);  // accelerators work while the menu bar is hidden
  return a;
}

QAction* MainWindow::ToolAction(Tool tool) {
  if (auto it = toolActions_.find(tool); it != toolActions_.end()) return it->second;
  auto* a = new QAction(ToolIcon(tool), MenuName(tool), this);
  if (!T(ToolHintNumber(tool)).isEmpty()) SetText(a, ToolHintNumber(tool), ws_.language);
  SetText(a, ToolHintNumber(tool), ws_.language, TextRole::Hint);
  SetText(a, ToolPromptNumber(tool), ws_.language, TextRole::Status);
  a->setObjectName(MenuName(tool));
  a->setCheckable(true);
  a->setEnabled(RowOf(tool).built);
  toolGroup_->addAction(a);
  connect(a, &QAction::triggered, this, [this, tool] {
    if (tool == Tool::B_MacCon) {
      OpenMacroDialog();  // the dialog decides which macro tool follows
      plane_->setFocus();
      return;
    }
    ix_.SelectTool(tool);
    plane_->setFocus();
  });
  toolActions_[tool] = a;
  return a;
}

void MainWindow::BuildMenus() {
  toolGroup_ = new QActionGroup(this);
  toolGroup_->setExclusive(true);
  docGroup_ = new QActionGroup(this);
  QMenuBar* bar = menuBar();

  QMenu* file = AddMenu(bar, str::kMenuFile, "M_menu_archivo");
  file->addAction(MakeAction(
      "Nuevo1", str::kNew, [this] { NewDocumentCommand(); }, Ctrl('N')));
  file->addAction(MakeAction(
      "Abrir1", str::kOpen, [this] { OpenCommand(); }, Ctrl('O')));
  recentMenu_ = AddMenu(file, str::kOpenRecent, "M_abrir_recientes");
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

  QMenu* edit = AddMenu(bar, str::kMenuEdit, "M_menu_edicion");
  edit->addAction(MakeAction(
      "M_undo", str::kUndo, [this] { ix_.UndoCommand(); }, Ctrl('Z')));
  edit->addAction(MakeAction(
      "M_redo", str::kRedo, [this] { ix_.RedoCommand(); }, Ctrl('Y')));
  actions_["M_undo"]->setIcon(CommandIcon("B_undo"));
  actions_["M_redo"]->setIcon(CommandIcon("B_redo"));
  edit->addSeparator();
  edit->addAction(MakeAction(
      "M_cortar", str::kCut, [this] { CutCommand(); }, Ctrl('X')));
  edit->addAction(MakeAction(
      "M_copiar", str::kCopy, [this] { CopyCommand(); }, Ctrl('C')));
  edit->addAction(MakeAction(
      "M_pegar", str::kPaste, [this] { PasteCommand(); }, Ctrl('V')));
  edit->addAction(MakeAction(
      "M_ElimSel", str::kDelete, [this] { ix_.DeleteSelection(); }, QKeySequence::Delete));
  edit->addAction(MakeAction(
      "M_selec_todo", str::kSelectAll, [this] { ix_.SelectAll(); }, Ctrl('A')));
  QMenu* group = AddMenu(edit, str::kSelectGroup, "M_selec_grupo");
  auto types = str::SelectGroupTypes();
  for (size_t i = 0; i < types.size(); ++i) {
    const int type = types[i];
    SetText(group->addAction(QString(), this, [this, type] { ix_.SelectGroup(type); }),
            str::kGroupFirst + static_cast<int>(i), ws_.language);
  }
  edit->addAction(MakeAction("M_ElimTodo", str::kDeleteAll, [this] { ix_.DeleteAllElements(); }));
  edit->addSeparator();
  for (Tool tool :
       {Tool::Sel, Tool::B_editelem, Tool::B_elimelem, Tool::B_vernover, Tool::B_redefpun})
    edit->addAction(ToolAction(tool));
  actions_["M_editelem"] = ToolAction(Tool::B_editelem);
  ToolAction(Tool::B_editelem)->setShortcut(Ctrl('E'));

  QMenu* view = AddMenu(bar, str::kMenuView, "M_menu_ver");
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
  // Traces: Ctrl+R redraws from scratch and clears the marks; all traces can be switched off.
  view->addAction(MakeAction(
      "M_dibtodo", str::kClearTraces,
      [this] {
        ws_.RecomputeAll();
        if (plane_) plane_->ClearTraces();
      },
      Ctrl('R')));
  view->addAction(
      MakeAction("M_traza_desactivar", str::kDisableAllTraces, [this] { ix_.DisableAllTraces(); }));
  view->addAction(MakeAction("MuePan1", str::kMoveScreen, [this] { MoveScreenDialog(); }));
  QAction* full = MakeAction("PantallaCom", str::kFullScreen, [this] { ToggleFullScreen(); });
  full->setCheckable(true);
  full->setIcon(CommandIcon("B_pancom"));
  view->addAction(full);
  QAction* viewer =
      MakeAction("M_modovisor", str::kViewerMode, [this] { SetViewerMode(!ws_.viewerMode); });
  viewer->setCheckable(true);
  view->addAction(viewer);
  connect(view, &QMenu::aboutToShow, this, [this] { RefreshCommandStates(); });
  view->addAction(ToolAction(Tool::B_zoom));
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

  QMenu* construct = AddMenu(bar, str::kMenuConstruct, "M_menu_construccion");
  for (Tool tool : {Tool::B_Punto,      Tool::B_Recta,       Tool::B_Rayo,      Tool::B_Segmento,
                    Tool::B_vector,     Tool::B_vectorsuma,  Tool::B_Poligono,  Tool::B_Polireg,
                    Tool::B_Circunf,    Tool::B_Circ2pr,     Tool::B_arco3p,    Tool::B_Conica_5p,
                    Tool::B_Recta_Para, Tool::B_Recta_Perp,  Tool::B_2_div_seg, Tool::B_Mediatriz,
                    Tool::B_2_Sectriz,  Tool::B_Punto_Inter, Tool::B_Angulo,    Tool::B_Lugar_G})
    construct->addAction(ToolAction(tool));
  ToolAction(Tool::B_Lugar_G)->setShortcut(Ctrl('L'));
  QMenu* measure = AddMenu(bar, str::kMenuMeasure, "M_menu_medidas");
  for (Tool tool : {Tool::B_N_longdist, Tool::B_N_angulo, Tool::B_N_area, Tool::B_N_pend,
                    Tool::B_N_prop, Tool::B_N_ejes, Tool::B_N_cuadricula, Tool::B_N_ecoord,
                    Tool::B_puncoord, Tool::B_rep_pun, Tool::B_N_calcular, Tool::B_N_parametro,
                    Tool::B_N_funcion, Tool::B_N_rep_fun, Tool::B_N_tabla})
    measure->addAction(ToolAction(tool));
  QMenu* transform = AddMenu(bar, str::kMenuTransform, "M_menu_transformar");
  for (Tool tool : {Tool::B_punto_desp, Tool::B_Punto_Sim, Tool::B_sim_ax, Tool::B_traslac,
                    Tool::B_giro, Tool::B_homotec, Tool::B_inversion, Tool::B_comp_par,
                    Tool::B_comp_perp, Tool::B_comp_pert, Tool::B_comp_eq, Tool::B_comp_al,
                    Tool::B_traza, Tool::B_anim, Tool::B_iteracion, Tool::B_MacCon})
    transform->addAction(ToolAction(tool));
  ToolAction(Tool::B_iteracion)->setShortcut(Ctrl('I'));

  docMenu_ = AddMenu(bar, str::kMenuDocument, "M_menu_documento");
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

  // Printing and pictures of the figure (export_commands.cpp), before "Salir".
  QAction* exit = actions_["Salir1"];
  file->insertAction(exit, MakeAction("M_export_dib", str::kExportDrawing,
                                      [this] { ExportDrawingCommand(*this); }));
  file->insertAction(exit, MakeAction("B_copia_port", str::kCopyPictureMenu,
                                      [this] { CopyPictureCommand(*this); }));
  file->insertAction(exit,
                     MakeAction(
                         "Imprimir1", str::kPrintMenu, [this] { PrintCommand(*this); }, Ctrl('P')));
  file->insertAction(exit, MakeAction("M_print_btm", str::kPrintBitmapMenu,
                                      [this] { PrintBitmapCommand(*this); }));
  file->insertSeparator(exit);
  edit->addAction(
      MakeAction("M_pegar_port", str::kPastePictureMenu, [this] { PastePictureCommand(*this); }));
  construct->addAction(ToolAction(Tool::B_inbitmap));
  view->addAction(MakeAction(
      "M_lista", str::kConstructionListCaption,
      [this] {
        // Modal: the rows hold the document's elements, which nothing else may change meanwhile.
        ConstructionListWindow list(
            ws_, [this] { Repaint(); }, [this](Element& e) { return EditElement(e); }, this);
        list.exec();
      },
      QKeySequence(Qt::Key_F3)));
  view->addAction(MakeAction(
      "M_PasoaPaso", str::kReplayMenu, [this] { ReplayCommand(); }, QKeySequence(Qt::Key_F2)));

  // General options, appearance, fonts, language and the options file
  // (main_window_settings.cpp, main_window_dialogs.cpp).
  BuildOptionsMenu(AddMenu(bar, str::kOptionsMenuCaption, "M_menu_opciones"));
  BuildHelpMenu(AddMenu(bar, str::kMenuHelp, "M_menu_ayuda"));  // main_window_help.cpp
}

void MainWindow::CopyCommand() { CopySelection(ws_.documents, ws_.doc(), clipboard_); }

void MainWindow::CutCommand() {
  CopyCommand();
  ix_.DeleteSelection();
}

void MainWindow::PasteCommand() {
  if (clipboard_.empty() || ws_.documents.placeholder()) return;
  ix_.SelectTool(Tool::Sel);
  StoreUndoStep(ws_.doc());
  PasteClipboard(ws_.doc(), clipboard_);
  AfterDocumentChange();
  CommandsChanged();
}

void MainWindow::AddGroupButton(QToolBar* bar, const char* name,
                                std::initializer_list<Tool> tools) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setPopupMode(QToolButton::MenuButtonPopup);
  auto* menu = new QMenu(button);
  for (Tool tool : tools) menu->addAction(ToolAction(tool));
  button->setMenu(menu);
  button->setDefaultAction(ToolAction(*tools.begin()));
  // The button stands for the member last chosen.
  connect(menu, &QMenu::triggered, button, [button](QAction* a) { button->setDefaultAction(a); });
  bar->addWidget(button);
}

void MainWindow::AddPalette(QToolBar* bar, bool fill) {
  auto* button = new QToolButton(bar);
  button->setObjectName(fill ? "B_color_relleno" : "B_color");
  button->setIcon(ToolIcon(fill ? Tool::B_color_relleno : Tool::B_color));
  SetText(button, fill ? str::kFillColourHint : str::kColourHint, ws_.language, TextRole::Hint);
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
  QAction* other = menu->addAction(QString());
  SetText(other, str::kOtherColour, ws_.language);
  other->setObjectName(fill ? "B_rgb_relleno" : "B_rgb");
  connect(other, &QAction::triggered, this, [this, choose] {
    const QColor c = QColorDialog::getColor(Qt::red, this);
    choose(c.isValid() ? (c.red() | (c.green() << 8) | (c.blue() << 16)) : 255);
  });
  button->setMenu(menu);
  bar->addWidget(button);
}

void MainWindow::BuildToolBars() {
  mainBar_ = addToolBar(QString());
  SetText(mainBar_, str::kMainButtons, ws_.language);
  mainBar_->setObjectName("BarradeBotones");
  mainBar_->setIconSize(QSize(24, 24));
  mainBar_->addAction(ToolAction(Tool::Sel));
  for (Tool tool : {Tool::B_Punto, Tool::B_Recta, Tool::B_Rayo, Tool::B_Segmento})
    mainBar_->addAction(ToolAction(tool));
  AddGroupButton(mainBar_, "B_hvector_1", {Tool::B_vector, Tool::B_vectorsuma});
  for (Tool tool : {Tool::B_Poligono,  Tool::B_Polireg,   Tool::B_Circunf,    Tool::B_Circ2pr,
                    Tool::B_arco3p,    Tool::B_Conica_5p, Tool::B_Recta_Para, Tool::B_Recta_Perp,
                    Tool::B_2_div_seg, Tool::B_Mediatriz, Tool::B_2_Sectriz,  Tool::B_Punto_Inter,
                    Tool::B_Angulo,    Tool::B_Lugar_G,   Tool::B_Punto_Sim,  Tool::B_sim_ax,
                    Tool::B_traslac,   Tool::B_giro,      Tool::B_homotec,    Tool::B_inversion})
    mainBar_->addAction(ToolAction(tool));
  mainBar_->addSeparator();
  for (Tool tool : {Tool::B_N_longdist, Tool::B_N_angulo, Tool::B_N_area})
    mainBar_->addAction(ToolAction(tool));
  AddGroupButton(
      mainBar_, "B_hejes_1",
      {Tool::B_N_ejes, Tool::B_puncoord, Tool::B_rep_pun, Tool::B_N_ecoord, Tool::B_N_cuadricula});
  AddGroupButton(
      mainBar_, "B_comp_1",
      {Tool::B_comp_par, Tool::B_comp_perp, Tool::B_comp_pert, Tool::B_comp_eq, Tool::B_comp_al});
  for (Tool tool : {Tool::B_redefpun, Tool::B_zoom, Tool::B_MacCon})
    mainBar_->addAction(ToolAction(tool));
  // Toolbar buttons carry the B_ names.
  for (auto& [tool, action] : toolActions_)
    if (QWidget* w = mainBar_->widgetForAction(action)) w->setObjectName(ButtonName(tool));

  addToolBarBreak();
  editBar_ = addToolBar(QString());
  SetText(editBar_, str::kEditButtons, ws_.language);
  editBar_->setObjectName("BotEdit");
  editBar_->setIconSize(QSize(24, 24));
  editBar_->addAction(actions_["M_undo"]);
  editBar_->widgetForAction(actions_["M_undo"])->setObjectName("B_undo");
  editBar_->addAction(actions_["M_redo"]);
  editBar_->widgetForAction(actions_["M_redo"])->setObjectName("B_redo");
  editBar_->addSeparator();
  for (Tool tool : {Tool::B_vernover, Tool::B_editelem, Tool::B_elimelem, Tool::B_font}) {
    editBar_->addAction(ToolAction(tool));
    editBar_->widgetForAction(ToolAction(tool))->setObjectName(ButtonName(tool));
  }
  AddPalette(editBar_, false);
  AddPalette(editBar_, true);
  AddGroupButton(editBar_, "B_edit_forma_punto",
                 {Tool::B_forma_punto1, Tool::B_forma_punto2, Tool::B_forma_punto3,
                  Tool::B_forma_punto4, Tool::B_forma_punto5, Tool::B_forma_punto6});
  AddGroupButton(editBar_, "B_edit_forma_linea",
                 {Tool::B_forma_linea1, Tool::B_forma_linea2, Tool::B_forma_linea3,
                  Tool::B_forma_linea4, Tool::B_forma_linea5, Tool::B_forma_linea6});
  AddGroupButton(editBar_, "B_edit_forma_angulo",
                 {Tool::B_forma_angulo1, Tool::B_forma_angulo2, Tool::B_forma_angulo3});
  editBar_->addSeparator();
  editBar_->addAction(actions_["TodosElem1"]);
  editBar_->widgetForAction(actions_["TodosElem1"])->setObjectName("B_todoelem");
  editBar_->addAction(actions_["PantallaCom"]);
  editBar_->widgetForAction(actions_["PantallaCom"])->setObjectName("B_pancom");
  QAction* move =
      editBar_->addAction(CommandIcon("B_MuePan"), QString(), this, [this] { MoveScreenDialog(); });
  SetText(move, str::kMoveScreen, ws_.language);
  editBar_->widgetForAction(move)->setObjectName("B_MuePan");
}

void MainWindow::BuildDocumentBar() {
  addToolBarBreak();
  docBar_ = addToolBar(QString());
  SetText(docBar_, str::kDocumentBar, ws_.language);
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

void MainWindow::BuildStatusBar() {
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
