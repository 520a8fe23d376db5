#pragma once
// String numbers of the iteration dialogs (2090..2099).
#include <span>

#include "ui/language.h"

namespace velt::str {

enum IterationString : int {
  kIterInitialSet = 2090,  // label of set 0 in the list
  kIterDestinationSet,     // label of a destination set, followed by its number
  kIterChooseElements,     // B_selec
  kIterAddDestination,     // B_ndest
  kIterRemove,             // B_elim
  kIterCountButton,        // B_num
  kIterNew,                // B_iterar
  kIterCountLabel,         // the label of TV_iterac_ni
  kIterCountFrom,          // the line naming the count element or the fixed count
};

std::span<const StringEntry> IterationStrings();

}  // namespace velt::str
