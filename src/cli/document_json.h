#pragma once
// The JSON form of a document that `dump` and `build` print: the header, the document's
// settings and every element, sub-elements included, by their numbers.
#include <string>

#include "io/file_header.h"
#include "model/document.h"

namespace velt::cli {

// One line of JSON with its newline. Uses the numbers the elements carry.
std::string DocumentJson(const Document& d, const FileHeader& h);

}  // namespace velt::cli
