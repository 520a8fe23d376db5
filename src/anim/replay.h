#pragma once
// Step-by-step replay: the construction shown up to one of its elements at a time. A step
// is an element of the list that is not a name, exists, may be drawn and is shown (or hidden
// elements are being shown); steps count from 1 in list order.
#include <string>
#include <vector>

#include "model/document.h"
#include "ui/language.h"

namespace velt {

bool IsReplayStep(const Element& e, bool showHidden);

// The timer intervals of the replay, in the order of their list: 0.1 s to 1.0 s in tenths,
// then 2, 3, 4, 5 and 10 seconds.
inline constexpr int kReplayIntervalCount = 15;
inline constexpr int kReplayDefaultInterval = 4;  // 0.5 s
// The interval of a choice in milliseconds; 0 for an index outside the list.
int ReplayIntervalMs(int index);
// The choice as the list shows it, with the unit word of the language table ("0.1 s.",
// "2.0 s.", "10 s.").
std::string ReplayIntervalText(int index, const LanguageTable& lang);

class Replay {
 public:
  // The steps of the document's list; the current step is the first, or the last when
  // startAtLast is set. Without steps there is no current step.
  Replay(const Document& doc, bool showHidden, bool startAtLast);

  int count() const { return static_cast<int>(steps_.size()); }
  // 1..count, 0 without steps.
  int position() const { return current_ + 1; }
  const Element* current() const { return current_ < 0 ? nullptr : steps_[current_]; }
  bool atFirst() const { return current_ == 0; }
  bool atLast() const { return current_ >= 0 && current_ == count() - 1; }

  // Navigation; each returns false when the step did not change.
  bool First();
  bool Last();
  bool Next();
  bool Previous();
  bool GoTo(int position);  // 1..count

  // Where drawing and recomputing stop: the element after the current step in the list
  // (null at the last element, or without steps: the whole list).
  const Element* StopAt(const Document& doc) const;

 private:
  std::vector<const Element*> steps_;
  int current_ = -1;
};

// What the replay says about a step: the kind's display name, a blank, then the function's
// expression for a graph, the name for a named element, or ": " and the content of an
// unnamed text.
std::string ReplayDescription(const Element& e, const LanguageTable& lang);

// Keeps the construction up to the element with this number: every element after it goes,
// through deletion with dependents, so no name, trace, animation or colour source refers to
// a deleted element. An element kept whose colour a later element drove keeps the colour it
// has. False when the number names no element of the list.
bool KeepConstructionUpTo(Document& doc, int32_t number);

}  // namespace velt
