#pragma once
// Recovery copies: every open modified document is saved now and then into a per-user
// folder, never over the user's own file, so that a crash loses at most the last minute.
// Each copy is <key>.vlt with a note <key>.note holding the document's own path and title.
#include <filesystem>
#include <string>
#include <vector>

#include "model/document.h"

namespace velt {

struct RecoveryCopy {
  std::filesystem::path file;  // the copy
  std::string originalPath;    // the document's own file, empty for one never saved
  std::string title;
};

// Writes (safely) the copy of doc under key in folder; false when it could not be written.
bool WriteRecoveryCopy(Document& doc, const std::filesystem::path& folder, const std::string& key);
// Removes the copy and its note; nothing happens when there is none.
void RemoveRecoveryCopy(const std::filesystem::path& folder, const std::string& key);
// The copies in folder that have both their document and their note, ordered by key.
std::vector<RecoveryCopy> ListRecoveryCopies(const std::filesystem::path& folder);

}  // namespace velt
