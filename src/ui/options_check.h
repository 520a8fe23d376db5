#pragma once
// The checks of the general options dialog: the typed fields are checked in a fixed order
// and the first one that fails names its field and the message to show.
#include <optional>
#include <string>

#include "ui/language.h"

namespace velt {

// The dialog's typed fields, in the order they are checked.
enum class OptionsField {
  DetectionDistance,
  PlaneSize,
  LocusPoints,
  NameDistance,
  Decimals,
  PixelsPerUnit
};

struct OptionsFields {
  std::string detectionDistance, planeSize, locusPoints, nameDistance, decimals, pixelsPerUnit;
};

struct OptionsFieldError {
  OptionsField field;
  std::string message;  // the warning's text
};

// The accepted values: integers 2..20, S..S+10000, 10..50000, 20..100 and 0..8, and a real
// greater than 0 and at most 1000.
struct OptionsValues {
  int detectionDistance = 0, planeSize = 0, locusPoints = 0, nameDistance = 0, decimals = 0;
  double pixelsPerUnit = 0;
};

// The values, or the first field that fails with its message. S is the screen extent.
std::optional<OptionsFieldError> CheckOptionsFields(const OptionsFields& in, int screenExtent,
                                                    const LanguageTable& lang, OptionsValues& out);

}  // namespace velt
