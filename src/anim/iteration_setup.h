#pragma once
// The set-up of a new iteration, assembled with the iteration dialog and tool 59: the initial
// set, the destination sets, the set that picks go to and where the count comes from. It
// lives while tool 59 is chosen; any other tool drops it (the fixed count stays).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "anim/iteration.h"
#include "model/create.h"

namespace velt {

struct IterationSetup {
  std::vector<std::vector<Element*>> sets;  // set 0: the initials; then the destination sets
  int current = -1;                         // the set picks go to, -1 for none
  Element* countElement = nullptr;          // a number whose value is the count, or none
  int32_t fixedCount = 1;                   // the count when there is no count element
  bool choosingCount = false;               // the next pick gives the count

  // Drops the sets, the current set and the count element; the fixed count stays.
  void Clear();
};

// ---- the enabling rules of the dialog's buttons
bool CanAddDestinationSet(const IterationSetup& s);  // 1 to 99 sets
bool CanRemoveSet(const IterationSetup& s);          // at least one set
bool CanChooseCount(const Document& doc);            // more than one element
// At least two sets, every destination set as large as the initial set, and some
// destination element built on the initials.
bool CanIterate(Document& doc, const IterationSetup& s);

// ---- what the buttons and picks do
// The list line chosen becomes the current set; line 0 with no set yet starts the initial set.
// False when there is no such line.
bool ChooseSet(IterationSetup& s, int line);
// A new empty destination set at the end becomes the current set; false with 100 sets.
bool AddDestinationSet(IterationSetup& s);
// Removes the set of the line (later sets move up); the initial set takes every set with it.
// The count element stays.
void RemoveSet(IterationSetup& s, int line);
// A pick: removes the element from the current set, or appends it (not beyond 99). False when
// nothing changed.
bool TogglePick(IterationSetup& s, Element& e);
// The fixed count from a typed text: a number (truncated, at most kMaxIterationCount; 1 when
// it is not positive). False, and nothing changes, for a text that is not a number.
bool SetFixedCountFromText(IterationSetup& s, std::string_view text);
// Forgets elements that are no longer in the document (a deletion while the tool was open).
void ForgetMissingElements(IterationSetup& s, const Document& doc);

// The numbers shown beside the collected elements: 1, 2, 3 … on the initials, and 1', 2' …
// on the set being collected when it is a destination set.
struct IterationLabel {
  const Element* element = nullptr;
  std::string text;
};
std::vector<IterationLabel> IterationLabels(const IterationSetup& s);

// Fills the template of the new iteration (kind 71; the element list as its picks).
// Requires CanIterate.
ElementTemplate IterationTemplate(Document& doc, const IterationSetup& s);
// Gives the element made from that template its counts, set sizes and destination table.
void FillIteration(Element& e, const IterationSetup& s);

}  // namespace velt
