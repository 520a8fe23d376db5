#pragma once
// Editing a document's macro table: renaming, deleting, copying in.
#include <string_view>

#include "model/document.h"

namespace velt {

// Replaces the name; false (nothing changes) for a name that is empty after trimming, the
// same name, or an index outside the table.
bool RenameMacro(Document& doc, int index, std::string_view name);
// Removes the macro; the later ones move up one place.
bool DeleteMacro(Document& doc, int index);
// A deep copy of a macro (elements, types, name, description).
Macro CopyMacro(const Macro& m);

}  // namespace velt
