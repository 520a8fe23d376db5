#include "model/undo.h"

#include "model/snapshot.h"

namespace velt {

void StoreUndoStep(Document& doc, const ReresolveHook& reresolve) {
  UndoHistory& h = doc.undo;
  doc.modified = 1;
  doc.undoRecorded = 1;
  if (h.position == h.count()) {
    h.snapshots.push_back(EncodeFigure(*doc.figure));
  } else {
    // Some steps were undone: the document shows the snapshot at `position`, which stays
    // as it is; what came after it can no longer be redone.
    DropRedoTail(doc, h.position);
  }
  ++h.position;
  h.tailSaved = false;
  doc.undoTopSaved = 0;
  if (reresolve) reresolve(doc);
}

bool CanUndo(const Document& doc) { return doc.undo.position > 0; }
bool CanRedo(const Document& doc) { return doc.undo.position < doc.undo.count() - 1; }

bool Undo(Document& doc, const ReresolveHook& reresolve) {
  UndoHistory& h = doc.undo;
  if (h.position <= 0) return false;
  if (h.position == h.count() && !h.tailSaved) {
    h.snapshots.push_back(EncodeFigure(*doc.figure));
    h.tailSaved = true;
    doc.undoTopSaved = 1;
  }
  --h.position;
  // The old figure lives until the hook has looked up what it held by number.
  const auto previous = std::move(doc.figure);
  doc.figure = DecodeFigure(h.snapshots[h.position]);
  doc.modified = 1;
  if (reresolve) reresolve(doc);
  return true;
}

bool Redo(Document& doc, const ReresolveHook& reresolve) {
  UndoHistory& h = doc.undo;
  if (!CanRedo(doc)) return false;
  ++h.position;
  const auto previous = std::move(doc.figure);
  doc.figure = DecodeFigure(h.snapshots[h.position]);
  doc.modified = 1;
  if (reresolve) reresolve(doc);
  return true;
}

void DropRedoTail(Document& doc, int index) {
  UndoHistory& h = doc.undo;
  if (index + 1 < h.count()) h.snapshots.resize(static_cast<size_t>(index) + 1);
  if (h.position > h.count()) h.position = h.count();
}

}  // namespace velt
