#include "io/recovery.h"

#include <algorithm>
#include <system_error>

#include "io/document_file.h"
#include "io/safe_file.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

fs::path CopyPath(const fs::path& folder, const std::string& key) {
  return folder / (key + ".vlt");
}
fs::path NotePath(const fs::path& folder, const std::string& key) {
  return folder / (key + ".note");
}

}  // namespace

bool WriteRecoveryCopy(Document& doc, const fs::path& folder, const std::string& key) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  // The bytes only: the document keeps its own path and stays modified.
  const std::string bytes = DocumentFileBytes(doc);
  return WriteFileSafely(CopyPath(folder, key), bytes) &&
         WriteFileSafely(NotePath(folder, key), doc.fileName + "\n" + doc.title + "\n");
}

void RemoveRecoveryCopy(const fs::path& folder, const std::string& key) {
  std::error_code ec;
  fs::remove(CopyPath(folder, key), ec);
  fs::remove(NotePath(folder, key), ec);
}

std::vector<RecoveryCopy> ListRecoveryCopies(const fs::path& folder) {
  std::vector<RecoveryCopy> out;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    const fs::path& p = entry.path();
    if (p.extension() != ".note") continue;
    const fs::path copy = fs::path(p).replace_extension(".vlt");
    if (!fs::exists(copy, ec)) continue;
    const std::optional<std::string> note = ReadWholeFile(p);
    if (!note) continue;
    const size_t first = note->find('\n');
    if (first == std::string::npos) continue;
    const size_t second = note->find('\n', first + 1);
    RecoveryCopy c;
    c.file = copy;
    c.originalPath = note->substr(0, first);
    c.title = note->substr(first + 1,
                           second == std::string::npos ? std::string::npos : second - first - 1);
    out.push_back(std::move(c));
  }
  std::sort(out.begin(), out.end(),
            [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.file < b.file; });
  return out;
}

}  // namespace velt
