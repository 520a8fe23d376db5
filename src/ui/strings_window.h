#pragma once
// String numbers of the main window (200..647): tool prompts and hints, messages, captions.
#include <span>

#include "ui/language.h"

namespace velt::str {

inline constexpr int ToolPrompt(int tool) { return 200 + tool; }  // 200..282
inline constexpr int ToolHint(int tool) { return 300 + tool; }    // 300..382

enum WindowString : int {
  kSeveralDetected = 400,
  kTooManyDocuments = 401,
  kSaveChanges = 402,
  kCloseWord = 403,
  kInvalidRedefinition = 404,
  kDocumentWord = 405,
  kBothAxes = 406,
  kModifyParameter = 407,
  kNoHelpFile = 408,
  kOpenFailed = 409,
  kCoordinatesRect = 410,  // status panel 0: "REC"
  kCoordinatesPolar = 411,
  kAngleRad = 412,  // status panel 1: "RAD", "DEG", "GRA"
  kAngleDeg = 413,
  kAngleGra = 414,
  kFileFilter = 415,
  // Menus and commands 450..599, in the order of the menu bar.
  kMenuFile = 450,
  kNew,
  kOpen,
  kOpenRecent,
  kSave,
  kSaveAs,
  kExportDrawing,
  kClose,
  kCloseAll,
  kExit,
  kMenuEdit,
  kUndo,
  kRedo,
  kCut,
  kCopy,
  kPaste,
  kDelete,
  kSelectAll,
  kSelectGroup,
  kDeleteAll,
  kMoveEdit,
  kEditElement,
  kDeleteElement,
  kShowHide,
  kRedefinePoint,
  kMenuView,
  kShowHidden,
  kRedraw,
  kMoveScreen,
  kFullScreen,
  kMainButtons,
  kEditButtons,
  kDocumentBar,
  kStatusBar,
  kAntiAliased,
  kMenuConstruct,
  kMenuMeasure,
  kMenuTransform,
  kMenuDocument,
  kNext,
  kPrevious,
  kFirst,
  kLast,
  kMenuHelp,
  kHelpContents,
  kHelpPage,
  kMenuStyle,
  kColourHint,
  kFillColourHint,
  kPointShapeHint,
  kLineStyleHint,
  kAngleMarkHint,
  kOtherColour,
  kZoom,
  // "Seleccionar grupo" items 520..540, in the menu's order.
  kGroupFirst = 520,
  // The move-screen dialog 600..609.
  kMoveScreenCaption = 600,
  kPlaneSizeHint = 601,
  kOk = 602,
  kCancel = 603,
};

// The element types offered by "Seleccionar grupo", in menu order (caption kGroupFirst + i).
std::span<const int> SelectGroupTypes();

std::span<const StringEntry> WindowStrings();

}  // namespace velt::str
