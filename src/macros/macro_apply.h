#pragma once
// Applying a macro: copies of its recorded elements appended to the document, built on the
// picks.
#include <vector>

#include "geometry/primitives.h"
#include "macros/macro_check.h"
#include "model/document.h"

namespace velt {

enum class ApplyStatus {
  Applied,
  Malformed,      // the macro's numbers fail the check (CheckMacro tells which fault)
  WrongPicks,     // not one pick per parameter of its type
  PicksMismatch,  // the expanded picks do not match the recording's numbering
};

struct ApplySettings {
  bool hideIntermediates = true;  // intermediate copies stay never drawn
  Pt labelAt{};                   // where the labels of the application start
};

struct ApplyResult {
  ApplyStatus status = ApplyStatus::Applied;
  MacroFault fault = MacroFault::None;
  Element* first = nullptr;  // the first copy appended
};

// Checks the macro and the picks, then appends the copies with every stored number resolved
// (a number below the expanded initials' count names that pick, any other the copy with that
// number) and marks the document modified. Nothing is appended on a failure. The caller
// stores the undo step before and recomputes after.
ApplyResult ApplyMacro(Document& doc, const Macro& m, const std::vector<Element*>& picks,
                       const ApplySettings& settings);

}  // namespace velt
