#pragma once
// The recovery copies of this run of the program: a folder of its own under the per-user
// recovery folder, held by a lock file while the program runs. A folder whose lock nobody
// holds belongs to a run that ended without cleaning up — a crash.
#include <QLockFile>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/document_set.h"

namespace velt {

class RecoverySession {
 public:
  explicit RecoverySession(std::filesystem::path root);

  // Writes a copy of every modified document and removes the copies of documents that are
  // no longer modified or no longer open.
  void Autosave(DocumentSet& docs);
  // The document was saved or closed: its copy goes.
  void Forget(const Document* doc);
  // A clean exit: every copy, the folder and its lock go.
  void Clear();

  // Session folders under root left by runs that ended without clearing them.
  static std::vector<std::filesystem::path> Abandoned(const std::filesystem::path& root);

 private:
  std::filesystem::path root_, folder_;
  std::unique_ptr<QLockFile> lock_;
  std::map<const Document*, std::string> keys_;
  int next_ = 0;
};

}  // namespace velt
