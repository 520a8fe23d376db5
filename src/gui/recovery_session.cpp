#include "recovery_session.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <chrono>
#include <set>
#include <system_error>

#include "io/recovery.h"
#include "io/safe_file.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

// A lock goes stale only when the run that took it is no longer running, however old it is.
constexpr std::chrono::hours kNeverByAge{24 * 3650};

QString LockPath(const fs::path& folder) {
  return QString::fromStdString(PathToUtf8(folder)) + ".lock";
}

}  // namespace

RecoverySession::RecoverySession(fs::path root) : root_(std::move(root)) {
  std::error_code ec;
  fs::create_directories(root_, ec);
  for (int n = 0;; ++n) {
    folder_ = root_ / ("run-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                       std::to_string(n));
    if (fs::exists(folder_, ec) || fs::exists(PathFromUtf8(LockPath(folder_).toStdString()), ec))
      continue;
    lock_ = std::make_unique<QLockFile>(LockPath(folder_));
    lock_->setStaleLockTime(kNeverByAge);
    if (lock_->tryLock(0)) break;
  }
}

void RecoverySession::Autosave(DocumentSet& docs) {
  std::set<const Document*> open;
  for (int i = 0; i < docs.count(); ++i) {
    Document& d = *docs.at(i);
    open.insert(&d);
    if (!d.modified || docs.placeholder()) {
      Forget(&d);
      continue;
    }
    auto [it, added] = keys_.try_emplace(&d);
    if (added) it->second = "doc" + std::to_string(next_++);
    WriteRecoveryCopy(d, folder_, it->second);
  }
  for (auto it = keys_.begin(); it != keys_.end();) {
    if (open.count(it->first)) {
      ++it;
      continue;
    }
    RemoveRecoveryCopy(folder_, it->second);
    it = keys_.erase(it);
  }
}

void RecoverySession::Forget(const Document* doc) {
  auto it = keys_.find(doc);
  if (it == keys_.end()) return;
  RemoveRecoveryCopy(folder_, it->second);
  keys_.erase(it);
}

void RecoverySession::Clear() {
  std::error_code ec;
  fs::remove_all(folder_, ec);
  keys_.clear();
  lock_->unlock();
}

std::vector<fs::path> RecoverySession::Abandoned(const fs::path& root) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (const fs::directory_entry& e : fs::directory_iterator(root, ec)) {
    if (!e.is_directory(ec)) continue;
    // A run that is still going holds its lock; taking it means the run is over.
    QLockFile probe(LockPath(e.path()));
    probe.setStaleLockTime(kNeverByAge);
    if (!probe.tryLock(0)) continue;
    out.push_back(e.path());
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace velt
