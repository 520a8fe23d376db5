#pragma once
// The rows of the construction list window: which elements are listed, their numbers, the
// kind and name column, the description column, and the list as text.
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "ui/language.h"

namespace velt {

struct ListRow {
  Element* element = nullptr;
  int number = 0;           // among all eligible elements, hidden ones counted, from 1
  std::string first;        // the kind's name and the element's name
  std::string description;  // what it was built from
  bool shown = true;        // false: listed only because of show-all or the highlight
};

// Elements that exist, are no names and may be drawn are eligible; listed are those shown,
// or all of them with showAll, and the highlighted one.
std::vector<ListRow> ConstructionRows(const Document& doc, const LanguageTable& language,
                                      bool showAll, const Element* highlighted);

// "n. first: description" per row, each line ended by lineEnd (the platform's own).
std::string ConstructionListText(const std::vector<ListRow>& rows, std::string_view lineEnd);

#ifdef _WIN32
inline constexpr std::string_view kPlatformLineEnd = "\r\n";
#else
inline constexpr std::string_view kPlatformLineEnd = "\n";
#endif

// The row the first, last, previous and next buttons go to, kept inside the list; -1 for an
// empty list.
enum class ListStep { First, Last, Previous, Next };
int StepRow(int current, int count, ListStep step);

}  // namespace velt
