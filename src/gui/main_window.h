#pragma once
// The main window MainWindow: menu bar, tool bars, document bar, plane, scroll bars, status bar.
#include <QMainWindow>
#include <QMessageBox>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "io/language_file.h"
#include "ui/clipboard.h"
#include "ui/interaction.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QScrollBar;
class QTabBar;
class QTimer;
class QToolBar;
class QToolButton;

namespace velt {

class BusyInput;
class CalculatorDialog;
class HelpWindow;
class PlaneWidget;
class RecoverySession;

class MainWindow : public QMainWindow, public Host {
  Q_OBJECT
 public:
  // Opens startFile, when given, instead of starting with an empty document.
  explicit MainWindow(const QString& startFile = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Message boxes go through this hook when it is set (tests script the answers).
  using MessageHook = std::function<QMessageBox::StandardButton(
      const QString& caption, const QString& text, QMessageBox::StandardButtons buttons)>;
  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

  Workspace& workspace() { return ws_; }
  // A message box with the given buttons, through the hook when one is set.
  QMessageBox::StandardButton Ask(const QString& caption, const QString& text,
                                  QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);

  // What start-up found: the options (read, created or factory) and the language's entries.
  struct StartState {
    Options options;
    std::vector<LanguageEntry> language;  // empty: the built-in table
    std::filesystem::path optionsPath;    // where "Guardar opciones" writes
    bool persist = false;  // window placement, recent files and folders go to the store
    std::filesystem::path recoveryRoot;  // where recovery copies live; empty: none kept
  };
  void Start(const StartState& start);

  // The language list dialog, through the hook when one is set (tests choose the answer).
  using LanguageChooser = std::function<std::optional<QString>(const QStringList& names)>;
  void SetLanguageChooser(LanguageChooser chooser) { languageChooser_ = std::move(chooser); }
  // "Idioma...": loads the chosen language file and refreshes every caption at once.
  void LanguageCommand();
  // Loads a language's entries over the built-in table (none: the built-in table itself) and
  // refreshes every caption, hint and status text.
  void ApplyLanguage(const std::vector<LanguageEntry>& entries);

  const std::vector<std::string>& recentFiles() const { return recent_; }
  void SetRecentFiles(std::vector<std::string> list);
  // The internal clipboard, shared by the documents of this window.
  void CopyCommand();
  void CutCommand();
  void PasteCommand();
  const Clipboard& clipboard() const { return clipboard_; }

  // Recovery copies: offered back from runs that crashed, then kept for this run.
  void OfferRecovery(const std::filesystem::path& root);
  void EnableRecovery(const std::filesystem::path& root);
  void AutosaveNow();  // what the minute timer does

  void SaveOptionsCommand();
  void FactoryOptionsCommand();
  void GeneralOptionsCommand();

  Interaction& interaction() { return ix_; }
  PlaneWidget* plane() const { return plane_; }
  // Opens a document file into a new tab; false (after telling the user) when it fails.
  bool OpenFile(const QString& path);

  // Host
  SaveAnswer AskSaveChanges(Document& doc) override;
  bool SaveDocument(Document& doc) override;
  void ShowMessage(const std::string& text, MessageIcon icon) override;
  void Repaint() override;
  void SetStatus(int panel, const std::string& text) override;
  void SetBlinking(bool on) override;
  void SetButtonTimer(int milliseconds) override;
  void ToolChanged(Tool tool) override;
  void CommandsChanged() override;
  std::optional<Picture> ChoosePicture() override;
  bool ChooseFont(Font& font) override;
  void ShowCalculator(bool show) override;
  void CalculatorChanged() override;
  void EditParameter(Element& parameter) override;
  BusyWindow* Busy() override;
  CalculatorDialog* calculator() const { return calculator_; }
  // The iteration dialogs (gui/iteration_dialog.cpp).
  IterationDialogAnswer IterationDialog(const IterationDialogState& state) override;
  std::optional<std::string> AskIterationCount(int32_t current) override;
  void AnimationsChanged(const Element* shown) override;

  // The animation window (TV_animac) and the step-by-step replay (TPaP).
  class TV_animac* animationWindow() const {
    return anim_;
  }
  void ReplayCommand();
  void RunEditDialog(EditSession& session) override;
  std::optional<int32_t> ChooseColourScale() override;
  void RunPointEntry(PointEntrySession& session) override;
  std::optional<EditedText> EditText(const EditedText& initial, Pt at) override;
  // Opens the editor of an element (the construction list's double click); true when done.
  bool EditElement(Element& e);
  // Opens a help page ("index.html", "tool_B_Recta.html") in the help window.
  void ShowHelpPage(const std::string& file);
  HelpWindow* helpWindow() const { return help_; }

 protected:
  void closeEvent(QCloseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;

 private:
  QString T(int number) const;
  QAction* MakeAction(const QString& name, int textNumber, std::function<void()> run,
                      QKeySequence key = {});
  QAction* ToolAction(Tool tool);
  void BuildMenus();
  void BuildOptionsMenu(QMenu* menu);
  template <class Parent>
  QMenu* AddMenu(Parent* parent, int textNumber, const char* name);
  void AddRecent(const std::string& path);
  void RebuildRecentMenu();
  void ApplyBars();
  void SaveWindowState();
  void BuildToolBars();
  void BuildDocumentBar();
  void BuildStatusBar();
  void AddGroupButton(QToolBar* bar, const char* name, std::initializer_list<Tool> tools);
  void AddPalette(QToolBar* bar, bool fill);
  void BuildAnimation();  // main_window_animation.cpp
  void BuildHelpMenu(QMenu* help);  // main_window_help.cpp

  // documents
  void NewDocumentCommand();
  void OpenCommand();
  bool SaveCommand(Document& d, bool askPath);
  void CloseCommand();
  void CloseAllCommand();
  void SwitchToIndex(int i);
  void AfterDocumentChange();
  void OpenMacroDialog();  // TMacCon
  // "Aspecto de los elementos...", "Tipos de Letra..." and "Lista documentos..."
  void AddDialogCommands(QMenu* options);
  void AppearanceCommand();    // TOp_aspecto
  void FontsCommand();         // TOp_fon
  void DocumentListCommand();  // TV_listadoc
  void RefreshDocumentLists();
  void ShowWorkspace(bool on);

  // view
  void SyncScrollBars();
  void ScrollMoved();
  void MoveScreenDialog();

 public:
  // View modes (main_window_viewer.cpp): "Modo visor" and "Pantalla Completa".
  void SetViewerMode(bool on);
  void ToggleFullScreen();
  // The window's normal rectangle, also while full screen hides it.
  QRect RestoredGeometry() const;
  // Its state as stored (0 normal, 1 minimised, 2 maximised); the state before full screen.
  int RestoredState() const;
  // The placement read from the settings store at start-up (edges relative to the work area).
  void PlaceFromStore(const QRect& normal, int state, bool fullScreen);

 private:
  void BuildViewerBar();
  void LeaveFullScreen();
  // The enabled state of the commands that depend on the current document.
  void RefreshCommandStates();

  Workspace ws_;
  Interaction ix_;
  PlaneWidget* plane_ = nullptr;
  QScrollBar* sbH_ = nullptr;
  QScrollBar* sbV_ = nullptr;
  QTabBar* tabs_ = nullptr;
  QComboBox* combo_ = nullptr;
  QLabel* panels_[3] = {};
  QToolBar* mainBar_ = nullptr;
  QToolBar* editBar_ = nullptr;
  QToolBar* docBar_ = nullptr;
  QMenu* docMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  std::vector<std::string> recent_;
  Clipboard clipboard_;
  std::unique_ptr<RecoverySession> recovery_;
  QTimer* autosave_ = nullptr;
  std::filesystem::path optionsPath_;
  bool persist_ = false;
  LanguageChooser languageChooser_;
  QActionGroup* toolGroup_ = nullptr;
  QActionGroup* docGroup_ = nullptr;
  std::map<Tool, QAction*> toolActions_;
  std::map<QString, QAction*> actions_;
  QTimer* blink_ = nullptr;
  QTimer* buttonTimer_ = nullptr;  // a pressed movement button pops up
  class TV_animac* anim_ = nullptr;
  MessageHook messageHook_;
  bool updatingLists_ = false;
  bool updatingScroll_ = false;
  QToolBar* viewerBar_ = nullptr;  // the reduced bar of the viewer mode
  struct FullScreenReturn {
    QRect normal;  // where the window was before full screen
    bool maximized = false;
  } fullScreenReturn_;
  CalculatorDialog* calculator_ = nullptr;  // TV_calc, made when first shown
  HelpWindow* help_ = nullptr;              // TV_ayuda, made when first shown
  BusyInput* busy_ = nullptr;               // long recomputes: busy cursor, Escape
};

}  // namespace velt
