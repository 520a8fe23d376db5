#pragma once
// The undo history of a document: whole-figure snapshots with a position.
#include <functional>

#include "model/document.h"

namespace velt {

// Called after the document's list may have been replaced, so that whoever holds element
// references (the interaction state) can look them up again by number.
using ReresolveHook = std::function<void(Document&)>;

// Before a change: remembers the figure as it is now. Marks the document modified.
void StoreUndoStep(Document& doc, const ReresolveHook& reresolve = {});
bool CanUndo(const Document& doc);
bool CanRedo(const Document& doc);
// Steps back; the caller recomputes and repaints. Returns false when nothing to undo.
bool Undo(Document& doc, const ReresolveHook& reresolve = {});
bool Redo(Document& doc, const ReresolveHook& reresolve = {});
// The bytes of snapshot `index`, encoding the live tail first when it is that one.
const std::string& SnapshotBytes(UndoHistory& h, int index);
// Frees the snapshots after `index`.
void DropRedoTail(Document& doc, int index);

}  // namespace velt
