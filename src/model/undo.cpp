#include "model/undo.h"

#include "model/snapshot.h"

namespace velt {
namespace {

bool TailIsLive(const UndoHistory& h, int index) {
  return h.liveTail != nullptr && index == h.count() - 1;
}

// The figure of snapshot `index`: the live tail shared as it is, any other decoded.
std::shared_ptr<Figure> FigureAt(const UndoHistory& h, int index) {
  if (TailIsLive(h, index)) return h.liveTail;
  return DecodeFigure(h.snapshots[static_cast<size_t>(index)]);
}

}  // namespace

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
    // The figure is about to change, and the live tail may be that very figure: the step
    // keeps its bytes instead.
    SnapshotBytes(h, h.position);
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
    // The figure being left is kept as it is rather than encoded: a redo takes it back
    // without decoding, and an undo costs one decoding only.
    h.snapshots.emplace_back();
    h.liveTail = doc.figure;
    h.tailSaved = true;
    doc.undoTopSaved = 1;
  }
  --h.position;
  // The old figure lives until the hook has looked up what it held by number.
  const auto previous = std::move(doc.figure);
  doc.figure = FigureAt(h, h.position);
  doc.modified = 1;
  if (reresolve) reresolve(doc);
  return true;
}

bool Redo(Document& doc, const ReresolveHook& reresolve) {
  UndoHistory& h = doc.undo;
  if (!CanRedo(doc)) return false;
  ++h.position;
  const auto previous = std::move(doc.figure);
  doc.figure = FigureAt(h, h.position);
  doc.modified = 1;
  if (reresolve) reresolve(doc);
  return true;
}

const std::string& SnapshotBytes(UndoHistory& h, int index) {
  if (TailIsLive(h, index)) {
    h.snapshots.back() = EncodeFigure(*h.liveTail);
    h.liveTail.reset();
  }
  return h.snapshots[static_cast<size_t>(index)];
}

void DropRedoTail(Document& doc, int index) {
  UndoHistory& h = doc.undo;
  if (index + 1 < h.count()) {
    h.snapshots.resize(static_cast<size_t>(index) + 1);
    h.liveTail.reset();
  }
  if (h.position > h.count()) h.position = h.count();
}

}  // namespace velt
