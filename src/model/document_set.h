#pragma once
// The open documents: at most 99, one current, titled "Documento n" until saved.
#include <memory>
#include <string>
#include <vector>

#include "model/document.h"

namespace velt {

inline constexpr int kMaxDocuments = 99;

enum class SaveAnswer { Yes, No, Cancel };

// What closing a document needs from the window: the save question and the save itself.
class DocumentHost {
 public:
  virtual ~DocumentHost() = default;
  // "Guardar los cambios realizados al documento", captioned with the document's title.
  virtual SaveAnswer AskSaveChanges(Document& doc) = 0;
  // Saves (asking for a path when needed); false when the save failed or was cancelled.
  virtual bool SaveDocument(Document& doc) = 0;
};

class DocumentSet {
 public:
  explicit DocumentSet(std::string documentWord = "Documento") : word_(std::move(documentWord)) {}
  // The word that titles new documents ("Documento 2"), after a change of language.
  void SetDocumentWord(std::string word) { word_ = std::move(word); }

  // A new empty document, made current, or null when 99 are open. While only the
  // placeholder is open, it becomes a real document instead.
  Document* NewDocument(const Options& options);
  // Adds a document that was read from a file (title given by the caller); null at the limit.
  Document* Adopt(std::unique_ptr<Document> doc, const Options& options);
  void SwitchTo(Document* doc);
  // False when the user cancels. Closing the last document leaves the placeholder.
  bool Close(Document* doc, DocumentHost& host, const Options& options);
  bool CloseCurrent(DocumentHost& host, const Options& options) {
    return Close(current_, host, options);
  }
  bool CloseAll(DocumentHost& host, const Options& options);

  void SwitchPrevious();
  void SwitchNext();
  void SwitchFirst();
  void SwitchLast();

  Document* current() const { return current_; }
  int count() const { return static_cast<int>(docs_.size()); }
  Document* at(int i) const { return docs_[i].get(); }
  int indexOf(const Document* d) const;
  // True while the only document is the stand-in shown after everything was closed.
  bool placeholder() const { return counter_ == -1; }
  int counter() const { return counter_; }
  // An open document with this path, compared without regard to letter case.
  Document* FindByPath(const std::string& path) const;

 private:
  std::string word_;
  std::vector<std::unique_ptr<Document>> docs_;
  Document* current_ = nullptr;
  int counter_ = 0;
};

}  // namespace velt
