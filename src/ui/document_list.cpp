#include "ui/document_list.h"

namespace velt {

std::vector<std::string> DocumentListSession::Rows() const {
  std::vector<std::string> rows;
  for (int i = 0; i < docs_.count(); ++i) rows.push_back(docs_.at(i)->title);
  return rows;
}

bool DocumentListSession::CanSave() const {
  return docs_.current() && !docs_.placeholder() && docs_.current()->modified != 0;
}

bool DocumentListSession::Select(int row) {
  if (row < 0 || row >= docs_.count()) return false;
  docs_.SwitchTo(docs_.at(row));
  return true;
}

bool DocumentListSession::Save(DocumentHost& host) {
  if (!docs_.current() || docs_.placeholder()) return false;
  return host.SaveDocument(*docs_.current());
}

bool DocumentListSession::CloseCurrent(DocumentHost& host, const Options& options) {
  Document* closing = docs_.current();
  if (!docs_.Close(closing, host, options)) return false;  // the user kept it open
  if (closing == atOpening_) atOpening_ = nullptr;
  return docs_.placeholder();
}

void DocumentListSession::Cancel() {
  if (atOpening_ && docs_.indexOf(atOpening_) >= 0 && docs_.current() != atOpening_)
    docs_.SwitchTo(atOpening_);
}

}  // namespace velt
