#pragma once
// The internal clipboard: copies of constructions between the open documents ("Copiar",
// "Cortar", "Pegar"). One per program, shared by every document.
#include <memory>

#include "model/document.h"
#include "model/document_set.h"

namespace velt {

// Steps between pastes of one copy, in plane units, to the right and downwards.
inline constexpr double kPasteStep = 20;

struct Clipboard {
  std::shared_ptr<Figure> figure;        // the copies; their references stay among themselves
  double originLeft = 0, originTop = 0;  // the view's origin when the copy was taken
  bool empty() const { return !figure || figure->elements.empty(); }
};

// Copies the selected elements of doc and, recursively, everything they are built on, in
// construction order. Copies of selected shown elements are shown; the rest are hidden
// (never-drawn intermediate elements stay never drawn). References that leave the copied
// set — a colour source, a name — are dropped. Every document's paste counter restarts at
// 0, doc's at 1. Returns the number of elements copied (sub-elements not counted).
int CopySelection(DocumentSet& docs, Document& doc, Clipboard& clipboard);

// Appends a fresh copy of the clipboard to doc, the pasted shown elements selected and
// everything else unselected. The free points move by the change of the view's origin since
// the copy plus kPasteStep times doc's paste counter, which then grows by one. Marks the
// document modified; returns the number of elements pasted. The caller stores the undo
// step before and recomputes after.
int PasteClipboard(Document& doc, const Clipboard& clipboard);

}  // namespace velt
