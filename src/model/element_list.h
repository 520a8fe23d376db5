#pragma once
// Operations on a construction list: walking with sub-elements, numbering, references.
#include <cstdint>
#include <vector>

#include "model/document.h"

namespace velt {

// Visits every element and, right after it, its sub-elements.
template <class F>
void ForEachDeep(const ElementList& list, F&& f) {
  for (const auto& e : list) {
    f(*e);
    ForEachSubElement(*e, f);
  }
}

Element* Append(Document& doc, ElementPtr e);
// The element before e in the list; null for the first (or for one not in the list).
Element* Previous(const ElementList& list, const Element* e);
// Position of e in the list, -1 when it is not a member (sub-elements are not members).
std::ptrdiff_t IndexOf(const ElementList& list, const Element* e);

int32_t CountWithSubElements(const ElementList& list);
Element* FindByNumber(const ElementList& list, int32_t number);

Element* FirstMarked(const ElementList& list);
Element* FirstUnmarked(const ElementList& list);
Element* LastMarked(const ElementList& list);
Element* LastUnmarked(const ElementList& list);
void SetSelected(ElementList& list, int32_t value);

// Numbers every element and sub-element 1, 2, ... in numbering order.
void Renumber(ElementList& list);
// Writes each reference's number into its persistent twin (-1 for null).
void StoreReferenceNumbers(ElementList& list);
// Rebuilds references from numbers: -1 or an unknown number gives null. Then puts the list
// into an order where parents come first (see OrderParentsFirst), cutting only references
// that form a cycle. Name elements are re-attached. Returns the number of references cut.
int ResolveReferences(ElementList& list);
// ResolveReferences, then Renumber and StoreReferenceNumbers. A list that is parents-first and
// already numbered 1, 2, ... in numbering order (every file this program writes) is done in
// the one walk that resolves it.
int ResolveAndRenumber(ElementList& list);

// Looks up elements (sub-elements included) by number in one walk; numbers need not be dense.
class NumberIndex {
 public:
  explicit NumberIndex(const ElementList& list);
  Element* Find(int32_t number) const;

 private:
  std::vector<Element*> dense_;
  std::vector<std::pair<int32_t, Element*>> sparse_;  // sorted, when numbers are not dense
};

// Deep copy of a figure; references inside the copy point into the copy. Renumbers the
// source first, so both carry the same numbers.
std::shared_ptr<Figure> CopyFigure(Figure& source);

}  // namespace velt
