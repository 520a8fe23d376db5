#pragma once
// The document list window's model: the open documents by title, walking through them,
// saving and closing the current one, and going back to the document current at opening.
#include <string>
#include <vector>

#include "model/document_set.h"

namespace velt {

class DocumentListSession {
 public:
  explicit DocumentListSession(DocumentSet& docs) : docs_(docs), atOpening_(docs.current()) {}

  // One title per open document, in the order of the document bar.
  std::vector<std::string> Rows() const;
  int CurrentRow() const { return docs_.indexOf(docs_.current()); }
  // Saving is offered only while the current document has unsaved changes.
  bool CanSave() const;

  // Makes the document of a row current; false for a row that names no document.
  bool Select(int row);
  void First() { docs_.SwitchFirst(); }
  void Previous() { docs_.SwitchPrevious(); }
  void Next() { docs_.SwitchNext(); }
  void Last() { docs_.SwitchLast(); }
  // Saves the current document through the window (which asks for a path when it has none).
  bool Save(DocumentHost& host);
  // Closes the current document, asking about unsaved changes. True when the window must
  // close because no document is left (only the placeholder).
  bool CloseCurrent(DocumentHost& host, const Options& options);
  // Escape: the document current at opening becomes current again, when it is still open.
  void Cancel();

 private:
  DocumentSet& docs_;
  Document* atOpening_;  // null once it has been closed
};

}  // namespace velt
