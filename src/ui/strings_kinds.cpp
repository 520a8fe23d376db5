#include <array>
#include <vector>

#include "model/kinds.h"
#include "ui/strings.h"

namespace velt::str {

std::span<const StringEntry> KindAndTypeStrings() {
  static const std::vector<StringEntry> entries = [] {
    std::vector<StringEntry> v;
    for (int t = 0; t < kTypeCount; ++t) v.push_back({TypeName(t), DefaultTypeName(t)});
    for (int k = 0; k < kKindCount; ++k) v.push_back({KindName(k), DefaultKindName(k)});
    return v;
  }();
  return entries;
}

}  // namespace velt::str
