#include "io/recent_files.h"

#include <algorithm>

namespace velt {
namespace {

// Lower case of ASCII and of the Latin-1 letters as UTF-8 (U+00C0..U+00DE, but not ×).
std::string Folded(std::string_view s) {
  std::string out(s);
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 32);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      const unsigned char d = static_cast<unsigned char>(out[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
      ++i;
    }
  }
  return out;
}

}  // namespace

bool SameRecentPath(std::string_view a, std::string_view b) {
  return a.size() == b.size() && Folded(a) == Folded(b);
}

void AddRecentFile(std::vector<std::string>& list, std::string_view path) {
  if (path.empty()) return;
  std::erase_if(list, [&](const std::string& p) { return p.empty() || SameRecentPath(p, path); });
  list.insert(list.begin(), std::string(path));
  if (list.size() > kMaxRecentFiles) list.resize(kMaxRecentFiles);
}

}  // namespace velt
