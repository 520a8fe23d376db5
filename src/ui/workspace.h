#pragma once
// The window's model: the open documents, the options, the language table and the view
// switches that hold across documents.
#include <optional>

#include "anim/iteration_setup.h"
#include "model/document_set.h"
#include "model/options.h"
#include "ui/calculator_session.h"
#include "ui/language.h"
#include "ui/macro_session.h"
#include "view/viewport.h"

namespace velt {

class Workspace {
 public:
  // Starts with one empty document unless the caller opens one itself (a file named on the
  // command line), and then must add one before anything asks for the current document.
  explicit Workspace(bool withFirstDocument = true);

  Options options;
  LanguageTable language;
  DocumentSet documents;
  MacroSession macroSession;                  // the macro tools' lists and chosen macro
  CalculatorSession calculator;               // tools 42-44: the expression being entered
  IterationSetup iterationSetup;              // the sets of tool 59
  bool showHidden = false;                    // "Ver lo oculto"
  bool viewerMode = false;                    // "Modo visor" (ui/viewer_mode.h)
  int clientWidth = 800, clientHeight = 600;  // the plane area in pixels

  Document& doc() const { return *documents.current(); }
  const std::string& Text(int number) const { return language.Get(number); }

  // A new document centred on the origin; null when 99 are open.
  Document* NewDocument();
  // The view rectangle's right and bottom edges from its left and top and the plane size.
  void SyncView(Document& d) const;
  void CentreView(Document& d) const;
  // The window's side of the view (the plane area, the plane size, scroll bars of 0..1000)
  // for the view's scrolling functions.
  ViewState View() const;
  // A scroll bar moved: the view of the current document follows (ScrollHorizontal,
  // ScrollVertical), then SyncView.
  void ScrollTo(const ScrollPositions& bars);
  // Recomputes the whole current document.
  void RecomputeAll();
};

}  // namespace velt
