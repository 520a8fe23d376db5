#include "model/document_set.h"

#include <algorithm>
#include <cctype>

namespace velt {

int DocumentSet::indexOf(const Document* d) const {
  for (size_t i = 0; i < docs_.size(); ++i)
    if (docs_[i].get() == d) return static_cast<int>(i);
  return -1;
}

Document* DocumentSet::NewDocument(const Options& options) {
  if (counter_ == -1 && docs_.size() == 1) {
    // The placeholder turns into the first real document.
    Document* d = docs_[0].get();
    ApplyOptionsToDocument(options, *d);
    counter_ = 1;
    d->title = word_ + " 1";
    current_ = d;
    return d;
  }
  if (count() >= kMaxDocuments) return nullptr;
  if (docs_.empty()) counter_ = 0;
  ++counter_;
  auto doc = MakeDocument(options);
  doc->title = word_ + " " + std::to_string(counter_);
  current_ = doc.get();
  docs_.push_back(std::move(doc));
  return current_;
}

Document* DocumentSet::Adopt(std::unique_ptr<Document> doc, const Options&) {
  if (counter_ == -1) {
    docs_.clear();  // opening a file replaces the placeholder
    counter_ = 0;
  }
  if (count() >= kMaxDocuments) return nullptr;
  current_ = doc.get();
  docs_.push_back(std::move(doc));
  return current_;
}

void DocumentSet::SwitchTo(Document* doc) {
  if (indexOf(doc) >= 0) current_ = doc;
}

bool DocumentSet::Close(Document* doc, DocumentHost& host, const Options& options) {
  const int i = indexOf(doc);
  if (i < 0) return true;
  if (counter_ != -1 && doc->modified) {
    switch (host.AskSaveChanges(*doc)) {
      case SaveAnswer::Cancel: return false;
      case SaveAnswer::Yes: host.SaveDocument(*doc); break;  // a failed save still closes
      case SaveAnswer::No: break;
    }
  }
  docs_.erase(docs_.begin() + i);
  if (!docs_.empty()) {
    current_ = docs_.back().get();
    return true;
  }
  auto placeholder = MakeDocument(options);
  current_ = placeholder.get();
  docs_.push_back(std::move(placeholder));
  counter_ = -1;
  return true;
}

bool DocumentSet::CloseAll(DocumentHost& host, const Options& options) {
  if (counter_ == -1) return true;
  const int n = count();
  for (int k = 0; k < n; ++k)
    if (!CloseCurrent(host, options)) return false;
  return true;
}

void DocumentSet::SwitchPrevious() {
  if (docs_.empty()) return;
  int i = indexOf(current_);
  current_ = docs_[(i - 1 + count()) % count()].get();
}
void DocumentSet::SwitchNext() {
  if (docs_.empty()) return;
  int i = indexOf(current_);
  current_ = docs_[(i + 1) % count()].get();
}
void DocumentSet::SwitchFirst() {
  if (!docs_.empty()) current_ = docs_.front().get();
}
void DocumentSet::SwitchLast() {
  if (!docs_.empty()) current_ = docs_.back().get();
}

Document* DocumentSet::FindByPath(const std::string& path) const {
  auto lower = [](std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
  };
  const std::string want = lower(path);
  for (auto& d : docs_)
    if (!d->fileName.empty() && lower(d->fileName) == want) return d.get();
  return nullptr;
}

}  // namespace velt
