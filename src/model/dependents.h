#pragma once
// Dependency walks over a construction list: marking what is built on an element, and
// deleting an element together with everything built on it.
#include "model/document.h"

namespace velt {

void ClearMarks(ElementList& list);
// Marks every element that depends, directly or transitively, on e (including elements
// whose colour it drives). e's own mark is left as the caller set it.
void MarkDependentsIn(ElementList& list, Element& e);
inline void MarkDependents(Document& doc, Element& e) { MarkDependentsIn(doc.elements(), e); }

// Deletes e and everything built on it; removes them from traces and animations and
// detaches name links. e may be a sub-element, in which case its owner is deleted.
void DeleteWithDependents(Document& doc, Element& e);
// Empties the list, the traces and the animations.
void DeleteAll(Document& doc);

}  // namespace velt
