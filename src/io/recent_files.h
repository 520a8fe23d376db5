#pragma once
// The list of recently used documents: at most ten paths, the most recent first.
#include <string>
#include <string_view>
#include <vector>

namespace velt {

inline constexpr size_t kMaxRecentFiles = 10;

// Two paths name the same recent file when they differ only in case.
bool SameRecentPath(std::string_view a, std::string_view b);
// Puts path at the top; an entry for the same path leaves its old place and the eleventh
// entry falls off. Empty paths are not kept.
void AddRecentFile(std::vector<std::string>& list, std::string_view path);

}  // namespace velt
