#pragma once
// The JSON form of a document that `dump` and `build` print: the header, the document's
// settings and every element, sub-elements included, by their numbers.
#include <cstdint>
#include <string>

#include "io/file_header.h"
#include "model/document.h"

namespace velt::cli {

// How many copies of an iteration are listed by default.
inline constexpr int64_t kDefaultCopiesLimit = 1000;

// One line of JSON with its newline. Uses the numbers the elements carry. An iteration lists
// the number of copies it draws and the first `copiesLimit` of them.
std::string DocumentJson(const Document& d, const FileHeader& h,
                         int64_t copiesLimit = kDefaultCopiesLimit);

}  // namespace velt::cli
