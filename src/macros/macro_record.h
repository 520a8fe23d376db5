#pragma once
// Recording a macro: the elements that build the finals from the initials, numbered and
// copied into the document's macro table.
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/document.h"

namespace velt {

// The elements (sub-elements included) that depend on any of the initials, after expansion;
// the initials themselves are not in the set. The marks of the list are left cleared.
std::unordered_set<const Element*> DependentsOfInitials(ElementList& list,
                                                        const std::vector<Element*>& initials);

enum class RecordStatus {
  Recorded,
  TableFull,     // the document already holds the most macros it can
  EmptyName,     // nothing but blanks
  NoInitials,    // nothing chosen as initial
  NoFinals,      // nothing chosen as final
  NotDependent,  // a final does not depend on the initials
};

// Records the construction of the finals from the initials (as picked, in order) as a new
// macro at the end of the document's table and marks the document modified. The name is
// trimmed. The parameter types are those of the picked initials; the numbering counts the
// initials after expansion (0 .. K-1), then the recorded elements in construction order,
// each followed by its sub-elements.
RecordStatus RecordMacro(Document& doc, const std::vector<Element*>& initials,
                         const std::vector<Element*>& finals, std::string_view name);

// Blanks trimmed from both ends.
std::string TrimmedName(std::string_view name);

}  // namespace velt
